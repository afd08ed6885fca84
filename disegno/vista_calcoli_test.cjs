// The viewer page's arithmetic, run by node's own test runner:
//   node --test disegno/vista_calcoli_test.cjs
// Every expected value is worked out by hand in the comment beside it.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const c = require('./vista_calcoli.js');

test('numbers are grouped by thousands, rounded to their decimals, never -0', () => {
  const casi = [
    [[21300], '21,300'],
    [[0], '0'],
    [[-0.0001], '0'],            // rounds to zero: no sign
    [[-0.4], '0'],
    [[-1500], '-1,500'],
    [[999.5], '1,000'],          // halfway, exact in binary: up
    [[1234567.891, 2], '1,234,567.89'],
    [[68.75, 1], '68.8'],        // 68.75 is exact in binary: halfway, up
    [[2.5, 3], '2.5'],           // trailing zeros dropped
    [[100, 3], '100'],
    [[-12.25, 1], '-12.3'],
  ];
  for (const [argomenti, atteso] of casi) assert.equal(c.fmt(...argomenti), atteso, String(argomenti));
});

test('a line position becomes the kilometre post of its system', () => {
  const una = [[0, 5200, 0]];
  const due = [[0, 5200, 0], [3000, 44500, 1]];   // from 3000 m the posts count down from km 44.5
  const casi = [
    [una, 21300, 'km 26+500'],        // 5200 + 21300
    [una, 0, 'km 5+200'],
    [due, 2999, 'km 8+199'],
    [due, 3600, 'km 43+900'],         // 44500 - 600
    [[[100, 0, 0]], 50, '50 m'],      // before the first system: metres
    [[[0, 0, 1]], 1500, 'km -1+500'], // counting down past zero
    [una, 0.6, 'km 5+201'],           // rounded to the metre
  ];
  for (const [progressive, m, atteso] of casi) assert.equal(c.posto(progressive, m), atteso, m);
  assert.equal(c.dove(una, 21300), '21,300 m (km 26+500)');
});

test('tick steps are 1, 2 or 5 times a power of ten', () => {
  assert.equal(c.passo(10000, 5), 2000);   // 2000 exactly
  assert.equal(c.passo(88000, 8), 20000);  // 11000 -> the next round step
  assert.equal(c.passo(1, 3), 0.5);        // 0.333 -> 0.5
  assert.equal(c.passo(900, 1), 1000);     // 900 -> 10 times 100
});

test('kilometre posts are listed where each whole kilometre falls, in both directions', () => {
  // Up from km 5.2: km 6, 7, 8 at 800, 1800, 2800 m.
  assert.deepEqual(c.postiKm([[0, 5200, 0]], 3000), [[800, 6], [1800, 7], [2800, 8]]);
  // From 3000 m down from km 44.5 to 41.5 at 6000 m: km 42 at 5500, 43 at 4500, 44 at 3500.
  assert.deepEqual(c.postiKm([[0, 5200, 0], [3000, 44500, 1]], 6000),
                   [[800, 6], [1800, 7], [2800, 8], [5500, 42], [4500, 43], [3500, 44]]);
  // A system that begins past the line's end adds nothing.
  assert.deepEqual(c.postiKm([[0, 0, 0], [9000, 0, 0]], 2500), [[0, 0], [1000, 1], [2000, 2]]);
});

test('a sorted list is cut to a range by binary search', () => {
  const lista = [[0], [10], [10], [20]];
  assert.equal(c.primoDa(lista, 10), 1);
  assert.equal(c.primoOltre(lista, 10), 3);
  assert.equal(c.primoDa(lista, -5), 0);
  assert.equal(c.primoDa(lista, 25), 4);
  assert.deepEqual(c.nelTratto(lista, 5, 10), [[10], [10]]);
  assert.deepEqual(c.nelTratto(lista, 0, 20), lista);
  assert.deepEqual(c.nelTratto(lista, 21, 30), []);
  assert.deepEqual(c.nelTratto([], 0, 1), []);
});

test('the compact track decodes to positions and points', () => {
  // 0 m at (1, -2.5) m, then 10 m on at 0.5 m further east.
  const t = c.decodificaTraccia([0, 100, -250, 10, 50, 0]);
  assert.equal(t.n, 2);
  assert.deepEqual([...t.m], [0, 10]);
  assert.deepEqual([...t.x], [1, 1.5]);
  assert.deepEqual([...t.y], [-2.5, -2.5]);
  assert.equal(c.decodificaTraccia([]).n, 0);
});

// 0 m at (0, 0), 10 m at (10, 0), 20 m at (10, 10): the margin goes on north to (10, 20) at 30 m.
const traccia = c.decodificaTraccia([0, 0, 0, 10, 1000, 0, 10, 0, 1000]);
const margine = c.decodificaTraccia([20, 1000, 1000, 10, 0, 1000]);

test("the track's point at a position is interpolated, the margin taken past the end", () => {
  const casi = [[5, [5, 0]], [15, [10, 5]], [10, [10, 0]], [-3, [0, 0]], [20, [10, 10]], [25, [10, 15]], [40, [10, 20]]];
  for (const [m, atteso] of casi) assert.deepEqual(c.puntoA(traccia, margine, 20, m), atteso, String(m));
  assert.equal(c.puntoA(c.decodificaTraccia([]), c.decodificaTraccia([]), 20, 5), null);
  assert.deepEqual([c.campioneDa(traccia, 10), c.campioneOltre(traccia, 10), c.campioneDa(traccia, 11)], [1, 2, 2]);
});

test("the plan's window holds the range with a tenth more, at least 220 m a side", () => {
  // A diagonal 2000 m each way: 2200 m wide and high, centred on (1000, 1000).
  const diagonale = c.decodificaTraccia([0, 0, 0, 2828, 200000, 200000]);
  assert.deepEqual(c.finestraPer(diagonale, c.decodificaTraccia([]), 2828, 0, 2828), { x0: -100, x1: 2100, y0: -100, y1: 2100 });
  // A straight 1000 m east: 1100 m wide (its height is 200 m times 1.1, not exact in binary).
  const f = c.finestraPer(c.decodificaTraccia([0, 0, 0, 1000, 100000, 0]), c.decodificaTraccia([]), 1000, 0, 1000);
  assert.equal(f.x0, -50);
  assert.equal(f.x1, 1050);
  const vuota = c.decodificaTraccia([]);
  assert.equal(c.finestraPer(vuota, vuota, 1000, 0, 1000), null);
});

test('the track is cut to the drawing and thinned to a point per pixel', () => {
  const k = { px: (x) => x, py: (y) => y };  // plan metres are pixels
  // Samples at x -50, -20 (both left of the 100 x 100 drawing), 10, 10.5 (half a pixel on),
  // 60, 150 and 200 (right of it), all at y 50: the run enters from -20 and leaves at 150.
  const t = c.decodificaTraccia([0, -5000, 5000, 10, 3000, 0, 10, 3000, 0, 10, 50, 50, 10, 4950, -50,
                                 10, 9000, 0, 10, 5000, 0]);
  assert.deepEqual(c.tracciaVisibile(t, 0, t.n, k, 100, 100), { runs: [[-20, 50, 10, 50, 60, 50, 150, 50]], indici: [1, 2, 4, 5] });
  // A run that ends on a point within a pixel of the last kept one still ends there.
  const corta = c.decodificaTraccia([0, 1000, 1000, 10, 20, 20]);
  assert.deepEqual(c.tracciaVisibile(corta, 0, corta.n, k, 100, 100), { runs: [[10, 10, 10.2, 10.2]], indici: [0, 1] });
  // Every third sample of a straight line 10 px a sample, and the last: 0, 30, 60 px.
  const dritta = c.decodificaTraccia([0, 0, 0, 10, 100, 0, 10, 100, 0, 10, 100, 0, 10, 100, 0, 10, 100, 0, 10, 100, 0]);
  const per10 = { px: (x) => 10 * x, py: (y) => y };
  assert.deepEqual(c.tracciaVisibile(dritta, 0, dritta.n, per10, 1000, 1000, 3), { runs: [[0, 0, 30, 0, 60, 0]], indici: [0, 3, 6] });
  // At 60 m a pixel, samples 10 m apart: every third keeps them half a pixel apart.
  assert.equal(c.saltoPer(dritta, 60), 3);
  assert.equal(c.saltoPer(dritta, 5), 1);
  // All outside on one side: nothing.
  assert.deepEqual(c.tracciaVisibile(t, 5, 7, k, 100, 100), { runs: [], indici: [] });
});

test('stretches in a range are found by search, and thinned to one a pixel column', () => {
  const lista = [[0, 10], [10, 20], [20, 30]];
  assert.deepEqual(c.trattiIn(lista, 15, 25), [1, 3]);
  assert.deepEqual(c.trattiIn(lista, 30, 40), [2, 3]);   // the last one touches 30
  assert.deepEqual(c.trattiIn(lista, 31, 40), [3, 3]);
  assert.deepEqual(c.trattiIn(lista, -9, -1), [0, 0]);
  // At 1 px a metre: the first two share column 0 (the heavier, -3, stays); the third spans
  // columns 0 to 5 and stays; the last two share column 5 (4 stays).
  const tratti = [[0, 0.5, 1], [0.5, 0.9, -3], [0.9, 5, 2], [5, 5.2, 1], [5.2, 5.8, 4]];
  assert.deepEqual(c.perColonna(tratti, 0, tratti.length, (m) => m, (t) => t[2]), [1, 2, 4]);
});

test('a grid of points tells whether a box covers any', () => {
  const g = c.griglia(10);
  g.aggiungi(5, 5);
  g.aggiungi(25, 25);
  assert.equal(g.tocca(0, 0, 10, 10), true);
  assert.equal(g.tocca(5, 5, 10, 10), false);  // on the edge is outside
  assert.equal(g.tocca(20, 20, 30, 30), true);
  assert.equal(g.tocca(11, 11, 19, 19), false);
  assert.equal(g.tocca(-30, -30, -20, -20), false);
});

test("the plan's scale is equal on both axes and fits the window", () => {
  // 1000 m square into 200 x 100 px: 0.1 px a metre, centred.
  const k = c.scalaPianta(200, 100, { x0: 0, x1: 1000, y0: 0, y1: 1000 });
  assert.equal(k.s, 0.1);
  assert.deepEqual([k.px(500), k.py(500), k.px(0), k.py(1000)], [100, 50, 50, 0]);
  assert.deepEqual([k.mx(50), k.my(0)], [0, 1000]);
});

test('a label goes to the nearest free place around its point', () => {
  const sempre = () => true;
  // To the right, 8 px off, centred on the point's height.
  assert.deepEqual(c.posaEtichetta(100, 100, 40, 10, sempre), { box: { x: 108, y: 95, w: 40, h: 10 }, lontano: false });
  // Only left of the point is free: 8 px to the left.
  assert.deepEqual(c.posaEtichetta(100, 100, 40, 10, (b) => b.x + b.w <= 100),
                   { box: { x: 52, y: 95, w: 40, h: 10 }, lontano: false });
  // Only above y 60 is free: straight above at 40 px, with a leader line.
  assert.deepEqual(c.posaEtichetta(100, 100, 40, 10, (b) => b.y + b.h <= 60),
                   { box: { x: 80, y: 50, w: 40, h: 10 }, lontano: true });
  assert.equal(c.posaEtichetta(100, 100, 40, 10, () => false), null);
  assert.equal(c.sovrapposti({ x: 0, y: 0, w: 10, h: 10 }, { x: 10, y: 0, w: 5, h: 5 }), false);  // touching
  assert.equal(c.sovrapposti({ x: 0, y: 0, w: 10, h: 10 }, { x: 9, y: 9, w: 5, h: 5 }), true);
});

test("a station's name drops its time first, then is cut, to fit its room", () => {
  const s = { nome: 'ABBIATEGRASSO', orario: '18:15' };
  const casi = [[144, 'ABBIATEGRASSO  18:15'], [100, 'ABBIATEGRASSO'], [72, 'ABBIATEGR\u2026'], [0, 'A\u2026']];
  for (const [spazio, atteso] of casi) assert.equal(c.nomeCorto(s, spazio), atteso, String(spazio));
  assert.equal(c.nomeCorto({ nome: 'PARONA', orario: '' }, 50), 'PARONA');
});

test('hover texts tell a station and a signal in full', () => {
  const progressive = [[0, 5200, 0]];
  assert.equal(c.testoStazione(progressive, { nome: 'ABBIATEGRASSO', ferma: true, orario: '18:15', m: 21300, da: 21200,
                                               a: 21400, tipo: 0, sosta: 60 }),
               'Station ABBIATEGRASSO\nstop at 18:15, dwell 60 s\nposition 21,300 m (km 26+500)\nstop zone 21,200 to 21,400 m, type 0');
  assert.equal(c.testoStazione(progressive, { nome: 'PARONA', ferma: false, orario: '', m: 0, da: 0, a: 0, tipo: 26 }),
               'Station PARONA\nno stop (passes)\nposition 0 m (km 5+200)\nstop zone 0 to 0 m, type 26');
  assert.equal(c.testoSegnale(progressive, [600, 1, 0, 0, 3, 4, 5, 0]),
               'Signal, kind 1 left, 0 right\nposition 600 m (km 5+800)\nsettings 3 / 4 / 5');
  assert.equal(c.testoSegnale(progressive, [600, 2, 3, 1, 0, 0, 0, 30]),
               'Signal, kind 2 left, 3 right, repetition 1\nposition 600 m (km 5+800)\nsettings 0 / 0 / 0, time 30');
});

test('the altitude adds up the gradients from the start, level across a gap', () => {
  // +5 per mille for 1 km: 5 m; -2 for 2 km: down 4 m to 1 m; no gradient known
  // from 3 to 4 km; +10 for 1 km: 11 m.
  assert.deepEqual(c.altimetria([[0, 1000, 5], [1000, 3000, -2], [4000, 5000, 10]]),
                   [[0, 0], [1000, 5], [3000, 1], [4000, 1], [5000, 11]]);
  assert.deepEqual(c.altimetria([]), []);
});

test('the height between the altitude points is interpolated, and held beyond them', () => {
  const quote = [[0, 0], [1000, 5], [3000, 1], [4000, 1]];
  // Half way up the first kilometre, a quarter of the way down the next two.
  for (const [m, h] of [[500, 2.5], [1500, 4], [3500, 1], [-10, 0], [9000, 1], [1000, 5]]) assert.equal(c.quotaA(quote, m), h);
  assert.equal(c.quotaA([], 100), 0);
});

test('a from or to field takes km from the start or a kilometre post', () => {
  const due = [[0, 5200, 0], [3000, 44500, 1]];   // from 3000 m the posts count down from km 44.5
  assert.equal(c.metroDaPosto(due, 6000, 6000), 800);      // km 6 in the first system
  assert.equal(c.metroDaPosto(due, 6000, 44000), 3500);    // 500 m down from 44.5
  assert.equal(c.metroDaPosto(due, 6000, 50000), null);
  const casi = [['20', 20000], [' 2.5 ', 2500], ['6+000', 800], ['km 44+000', 3500], ['km 50+000', NaN], ['x', NaN],
                ['', NaN], ['1+2345', NaN]];
  for (const [testo, atteso] of casi) assert.equal(c.metroDaCampo(due, 6000, testo), atteso, testo);
});

test('the stretch at a position, and the mark nearest it within a reach', () => {
  const tratti = [[0, 10, 'a'], [10, 20, 'b'], [25, 30, 'c']];
  assert.deepEqual(c.trattoA(tratti, 5), [0, 10, 'a']);
  assert.deepEqual(c.trattoA(tratti, 10), [0, 10, 'a']);   // a shared end belongs to the first
  assert.equal(c.trattoA(tratti, 22), null);                // in the gap
  assert.equal(c.trattoA(tratti, 31), null);
  const segni = [[100], [200], [230]];
  assert.deepEqual(c.vicino(segni, 210, 15), [200]);
  assert.deepEqual(c.vicino(segni, 220, 15), [230]);        // 10 away, the other 20
  assert.equal(c.vicino(segni, 150, 15), null);
  assert.equal(c.vicino([], 150, 15), null);
});
