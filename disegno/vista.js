// The viewer page's script: draws the plan and the profile from the route's
// data inline in the page, again on every change of the range shown, and
// answers the wheel, drags, keys, hovers and the timetable. Its arithmetic is
// in vista_calcoli.js, placed before this file in the page.
//
// A drawing holds only what its range shows, at the detail the screen can
// show: the track thinned to a point per pixel and cut to the drawing, the
// marks found by position through binary search, bars narrower than two
// pixels merged, labels placed against a grid of what is drawn. The dense
// layers are painted on a canvas under each drawing; the marks a reader
// points at one by one stay elements. A hover moves the cursor marks in
// place; while the wheel turns or the pointer drags, each frame moves and
// scales what is drawn as a whole, and both views are drawn anew when the
// gesture rests or the pointer lets go.
'use strict';
(function () {
const { fmt, passo, nelTratto, trattiIn, sovrapposti, posaEtichetta, nomeCorto } = calcoli;
const D = JSON.parse(document.getElementById('dati').textContent);
const NS = 'http://www.w3.org/2000/svg';
const L = Math.max(D.lunghezza, 1);
const $ = (id) => document.getElementById(id);
const pianta = $('pianta'), profilo = $('profilo'), tip = $('suggerimento');
const T = calcoli.decodificaTraccia(D.traccia), Mg = calcoli.decodificaTraccia(D.margine);
let da = 0, a = L;           // profile range, m
let finestra = null;          // plan window in plan metres {x0, y0, x1, y1}
let cursore = null;           // line position under the cursor, m
let info = [];                // hover texts by data-info index, each made when first asked for
let oggetti = [];             // by data-info index: the object drawn, [list name, item], or null
let vistaPianta = null;       // the plan as last drawn: its scale and the track points it shows
let vistaProfilo = null;      // the profile as last drawn: its x mapping and rows
// Beyond this many marks of a kind in view, they are painted, and told on hover by position.
const kAffollati = 50;
// The same for the mountain sections along the plan's track: each is a long
// line, which costs the page as much as many marks.
const kTrattiAffollati = 30;

const posto = (m) => calcoli.posto(D.progressive, m);
const dove = (m) => calcoli.dove(D.progressive, m);
const testoStazione = (s) => calcoli.testoStazione(D.progressive, s);
const testoSegnale = (s) => calcoli.testoSegnale(D.progressive, s);
const puntoA = (m) => calcoli.puntoA(T, Mg, D.lunghezza, m);
const postiKm = calcoli.postiKm(D.progressive, D.lunghezza);
const quote = calcoli.altimetria(D.pendenza);
const quoteEstreme = quote.reduce(([lo, hi], q) => [Math.min(lo, q[1]), Math.max(hi, q[1])], [0, 0]);
// A drawing is built as a tree of plain objects and written into its <svg> as
// markup in one go: thousands of elements made one attribute at a time take
// far longer than the browser's parser takes over the same markup.
function el(parent, tag, attrs, testo) {
  const e = { tag, attrs, testo, figli: [] };
  parent.figli.push(e);
  return e;
}
const sostituti = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
const esc = (v) => typeof v === 'number' ? String(v) : String(v).replace(/[&<>"]/g, (c) => sostituti[c]);
function markup(e, out) {
  out.push('<', e.tag);
  for (const k in e.attrs) out.push(' ', k, '="', esc(e.attrs[k]), '"');
  out.push('>');
  if (e.testo !== undefined) out.push(esc(e.testo));
  for (const f of e.figli) markup(f, out);
  out.push('</', e.tag, '>');
  return out;
}
function scrivi(svg, radice) {
  const out = [];
  for (const f of radice.figli) markup(f, out);
  svg.innerHTML = out.join('');
}
// An element made at once in the live drawing (the cursors).
function elVivo(parent, tag, attrs) {
  const e = document.createElementNS(NS, tag);
  for (const k in attrs) e.setAttribute(k, attrs[k]);
  parent.appendChild(e);
  return e;
}
// `testo` is a text, or a function that makes it when the mark is hovered;
// `tipo` and `voce` the object the mark draws, as an item of the route's
// list of that name, whose place in the author's pair a live page knows: the
// mark then carries the editor's link there.
function infoDi(e, testo, tipo, voce) {
  e.attrs['data-info'] = info.length;
  info.push(testo);
  oggetti.push(tipo ? [tipo, voce] : null);
  const s = tipo ? sorgente(tipo, voce) : null;
  if (s && s.link) e.attrs['data-editor'] = s.link;
  return e;
}
function testoInfo(i) { const t = info[i]; return typeof t === 'function' ? (info[i] = t()) : t || ''; }
// Where the author wrote an item of the route's list `tipo`: what the live
// page tells (vivo.js), null on a page of compiled files.
const indiciDi = {};
function sorgente(tipo, voce) {
  if (!window.vistaSorgente || !D[tipo]) return null;
  if (!indiciDi[tipo]) indiciDi[tipo] = new Map(D[tipo].map((v, i) => [v, i]));
  const i = indiciDi[tipo].get(voce);
  return i === undefined ? null : window.vistaSorgente(tipo, i);
}
// The drawings' sizes are set by the page's layout, not by what they hold: measured
// once, and again when the window changes, never in the middle of a redraw.
let dimensioni = null;
function misura() {
  const m = (svg) => { const r = svg.getBoundingClientRect(); return [Math.max(r.width, 100), Math.max(r.height, 100)]; };
  dimensioni = { pianta: m(pianta), profilo: m(profilo) };
  // Each canvas lies over its drawing's inside, within the border.
  for (const svg of [pianta, profilo]) {
    const c = tele[svg.id], [W, H] = dimensioni[svg.id], r = devicePixelRatio || 1;
    c.style.left = svg.offsetLeft + svg.clientLeft + 'px';
    c.style.top = svg.offsetTop + svg.clientTop + 'px';
    c.style.width = W + 'px';
    c.style.height = H + 'px';
    c.width = Math.round(W * r);
    c.height = Math.round(H * r);
  }
}
function size(svg) { if (!dimensioni) misura(); return dimensioni[svg.id]; }

// The dense layers (the track, crowded marks, the bar rows) are painted on a
// canvas under each drawing rather than made elements: a canvas paints ten
// thousand points in the time the page takes to lay out a few hundred
// elements. They look as the palette says: each class's stroke and fill are
// read from the style sheet once.
const tele = {};
for (const svg of [pianta, profilo]) {
  const c = document.createElement('canvas');
  c.id = svg.id + '-tela';
  c.style.position = 'absolute';
  c.style.pointerEvents = 'none';
  svg.parentNode.insertBefore(c, svg);
  svg.style.background = 'transparent';
  tele[svg.id] = c;
}
const stili = {};
function stile(classe) {
  if (stili[classe]) return stili[classe];
  const prova = document.createElementNS(NS, 'svg');
  prova.style.position = 'absolute';
  prova.style.visibility = 'hidden';
  const p = document.createElementNS(NS, 'path');
  p.setAttribute('class', classe);
  prova.appendChild(p);
  document.body.appendChild(prova);
  const c = getComputedStyle(p);
  const s = { fill: c.fill, stroke: c.stroke, larghezza: parseFloat(c.strokeWidth) || 1, trattino: c.strokeDasharray,
              opacitaFill: +c.fillOpacity, opacitaStroke: +c.strokeOpacity, giunto: c.strokeLinejoin };
  prova.remove();
  return (stili[classe] = s);
}
// The painted layers of a drawing: for each class, its shapes as drawing
// commands in one flat list of numbers (a code, then its arguments), painted
// in one go in the class's looks.
const MUOVI = 0, LINEA = 1, RETT = 2, CERCHIO = 3, CHIUDI = 4;
function nuoviStrati() {
  const strati = {};
  const di = (classe) => strati[classe] || (strati[classe] = []);
  return {
    strati,
    linee(classe, runs) {
      const o = di(classe);
      for (const r of runs) {
        o.push(MUOVI, r[0], r[1]);
        for (let j = 2; j < r.length; j += 2) o.push(LINEA, r[j], r[j + 1]);
      }
    },
    segmento(classe, x0, y0, x1, y1) { di(classe).push(MUOVI, x0, y0, LINEA, x1, y1); },
    rett(classe, x, y, w, h) { di(classe).push(RETT, x, y, w, h); },
    cerchio(classe, x, y, r) { di(classe).push(CERCHIO, x, y, r); },
    triangolo(classe, x0, y0, x1, y1, x2, y2) { di(classe).push(MUOVI, x0, y0, LINEA, x1, y1, LINEA, x2, y2, CHIUDI); },
    rombo(classe, x, y, r) { di(classe).push(MUOVI, x, y - r, LINEA, x + r, y, LINEA, x, y + r, LINEA, x - r, y, CHIUDI); },
  };
}
function traccia(g, o) {
  g.beginPath();
  for (let i = 0; i < o.length;) {
    switch (o[i]) {
      case MUOVI: g.moveTo(o[i + 1], o[i + 2]); i += 3; break;
      case LINEA: g.lineTo(o[i + 1], o[i + 2]); i += 3; break;
      case RETT: g.rect(o[i + 1], o[i + 2], o[i + 3], o[i + 4]); i += 5; break;
      case CERCHIO: g.moveTo(o[i + 1] + o[i + 3], o[i + 2]); g.arc(o[i + 1], o[i + 2], o[i + 3], 0, 2 * Math.PI); i += 4; break;
      default: g.closePath(); i += 1;
    }
  }
}
// Paints the classes of `strati` in the order given, clipped to `ritaglio` [x, y, w, h] when given.
function dipingi(svg, strati, ordine, ritaglio) {
  const [W, H] = size(svg), r = devicePixelRatio || 1, g = tele[svg.id].getContext('2d');
  trasformaTela(svg, 1, 1, 0, 0);
  g.setTransform(r, 0, 0, r, 0, 0);
  g.fillStyle = '#fff';
  g.fillRect(0, 0, W, H);
  g.save();
  if (ritaglio) { g.beginPath(); g.rect(...ritaglio); g.clip(); }
  for (const classe of ordine) {
    if (!strati[classe]) continue;
    const s = stile(classe);
    traccia(g, strati[classe]);
    if (s.fill && s.fill !== 'none') { g.globalAlpha = s.opacitaFill; g.fillStyle = s.fill; g.fill(); }
    if (s.stroke && s.stroke !== 'none') {
      g.globalAlpha = s.opacitaStroke;
      g.strokeStyle = s.stroke;
      g.lineWidth = s.larghezza;
      g.lineJoin = s.giunto || 'miter';
      g.setLineDash(s.trattino && s.trattino !== 'none' ? s.trattino.split(/[ ,]+/).map(parseFloat) : []);
      g.stroke();
    }
  }
  g.restore();
  g.globalAlpha = 1;
}
// A drawing shown moved and scaled as a whole, as a drag or the wheel shows
// it until it is made again: x' = sx x + tx, y' = sy y + ty on its canvas and
// its moving groups, the canvas still shown only over its strip [x0, x1]
// (the drawing's width unless given). The identity puts it back.
function trasformaTela(svg, sx, sy, tx, ty, x0, x1) {
  const c = tele[svg.id], [W, H] = size(svg);
  if (sx === 1 && sy === 1 && !tx && !ty) { c.style.transform = ''; c.style.clipPath = ''; return; }
  const sinistra = x0 === undefined ? 0 : x0, destra = x1 === undefined ? W : x1;
  c.style.transformOrigin = '0 0';
  c.style.transform = 'matrix(' + [sx, 0, 0, sy, tx, ty].join(',') + ')';
  // The clip is in the canvas's own pixels, before the transform.
  const taglio = [Math.max(0, -ty / sy), Math.max(0, W - (destra - tx) / sx), Math.max(0, H - (H - ty) / sy), Math.max(0, (sinistra - tx) / sx)];
  c.style.clipPath = 'inset(' + taglio.map((v) => v + 'px').join(' ') + ')';
}
function trasforma(svg, sx, sy, tx, ty) {
  const p = vistaProfilo;
  if (svg === profilo) trasformaTela(svg, sx, sy, tx, ty, p.sx, p.sx + p.larg); else trasformaTela(svg, sx, sy, tx, ty);
  for (const id of svg === pianta ? ['gruppo-pianta'] : ['scorre-profilo', 'scorre-dentro']) {
    const e = $(id);
    if (e) e.setAttribute('transform', 'matrix(' + [sx, 0, 0, sy, tx, ty].join(' ') + ')');
  }
}
// Each view shown at the range and plan window now asked for, from its last
// drawing moved and scaled: the profile along its x axis, the plan alike both
// ways. Whether either was asked for anything its drawing does not show.
function anteprima() {
  const p = vistaPianta, q = vistaProfilo;
  let altro = false;
  if (p && finestra && finestra !== p.f) {
    // A plan point at px x in the drawing is at S x + tx in the one asked for.
    const k = scalaPianta(), S = k.s / p.k.s;
    const cx0 = (p.f.x0 + p.f.x1) / 2, cy0 = (p.f.y0 + p.f.y1) / 2, cx = (finestra.x0 + finestra.x1) / 2, cy = (finestra.y0 + finestra.y1) / 2;
    trasforma(pianta, S, S, k.W / 2 * (1 - S) + (cx0 - cx) * k.s, k.H / 2 * (1 - S) - (cy0 - cy) * k.s);
    altro = true;
  }
  if (q && (da !== q.da || a !== q.a)) {
    const S = (q.a - q.da) / (a - da);
    trasforma(profilo, S, 1, q.sx * (1 - S) + (q.da - da) / (a - da) * q.larg, 0);
    diciRange();
    altro = true;
  }
  return altro;
}
const xy = (x, y) => x.toFixed(1) + ',' + y.toFixed(1);
function percorsoDi(runs) {
  let d = '';
  for (const r of runs) {
    d += 'M' + xy(r[0], r[1]);
    for (let j = 2; j < r.length; j += 2) d += 'L' + xy(r[j], r[j + 1]);
  }
  return d;
}

// The plan window that shows the track between da and a.
function adattaPianta() { finestra = calcoli.finestraPer(T, Mg, D.lunghezza, da, a); }
function scalaPianta() { const [W, H] = size(pianta); return calcoli.scalaPianta(W, H, finestra); }

function testoPendenza(t) {
  return 'Gradient ' + (t[2] > 0 ? '+' : '') + t[2] + ' \u2030\nfrom ' + dove(t[0]) + '\nto ' + dove(t[1]) + '\nlength ' + fmt(t[1] - t[0]) + ' m';
}
function testoIndicatore(i) {
  return 'Speed indicator\n' + dove(i[0]) + '\nleft A/B/C ' + i[1] + '/' + i[2] + '/' + i[3] + ' km/h\nright A/B/C ' + i[4] + '/' + i[5] + '/' + i[6] + ' km/h\nstripes ' + i[7];
}
function testoMontagna(t) { return 'Mountain section, scenery ' + t[2] + '\nfrom ' + dove(t[0]) + '\nto ' + dove(t[1]); }
function testoCurva(c) {
  return 'Curve ' + (c[2] > 0 ? 'right' : 'left') + '\nfrom ' + dove(c[0]) + '\nto ' + dove(c[1]) +
    '\nradius ' + fmt(c[3]) + ' m, ' + fmt(Math.abs(c[2]), 1) + '\u00b0';
}

function disegnaPianta() {
  const radice = { figli: [] };
  vistaPianta = null;
  if (!finestra) { el(radice, 'text', { x: 20, y: 30 }, 'No track plan in this scenario'); scrivi(pianta, radice); dipingi(pianta, {}, []); return; }
  const k = scalaPianta(), [W, H] = [k.W, k.H];
  const dentro = (x, y) => x >= 0 && x <= W && y >= 0 && y <= H;
  pianta.setAttribute('viewBox', '0 0 ' + W + ' ' + H);
  const vis = { x0: k.mx(0), x1: k.mx(W), y0: k.my(H), y1: k.my(0) };
  pianta.setAttribute('data-finestra', [vis.x0, vis.y0, vis.x1, vis.y1].map((v) => v.toFixed(1)).join(' '));
  const g = el(radice, 'g', { id: 'gruppo-pianta' });
  // The grid's scale is told over the window fitted to the track, not over
  // the blank sides that equal scales leave: a line running 17 km east and
  // 24 north is labelled 0 to 15 km E, not -25 to 45.
  const gx0 = Math.max(vis.x0, finestra.x0), gx1 = Math.min(vis.x1, finestra.x1);
  const gy0 = Math.max(vis.y0, finestra.y0), gy1 = Math.min(vis.y1, finestra.y1);
  // About eight lines over the longer side, and an east label ("30 km E") at least 70 px from the next.
  const st = Math.max(passo(Math.max(gx1 - gx0, gy1 - gy0, 1), 8), passo(Math.max(gx1 - gx0, 1), Math.max(1, Math.floor((gx1 - gx0) * k.s / 70))));
  for (let x = Math.ceil(vis.x0 / st) * st; x <= vis.x1; x += st) {
    el(g, 'line', { class: 'griglia', x1: k.px(x), x2: k.px(x), y1: 0, y2: H });
    if (x >= gx0 && x <= gx1) el(g, 'text', { class: 'griglia-est', x: k.px(x) + 2, y: H - 4 }, fmt(x / 1000, 3) + ' km E');
  }
  for (let y = Math.ceil(vis.y0 / st) * st; y <= vis.y1; y += st) {
    el(g, 'line', { class: 'griglia', x1: 0, x2: W, y1: k.py(y), y2: k.py(y) });
    if (y >= gy0 && y <= gy1) el(g, 'text', { class: 'griglia-nord', x: 2, y: k.py(y) - 2 }, fmt(y / 1000, 3) + ' km N');
  }
  el(g, 'text', { x: W - 6, y: 14, 'text-anchor': 'end' }, 'north \u2191');

  // At most about two samples a pixel are looked at.
  const salto = calcoli.saltoPer(T, 1 / k.s);
  const margine = calcoli.tracciaVisibile(Mg, 0, Mg.n, k, W, H, salto);
  const linea = calcoli.tracciaVisibile(T, 0, T.n, k, W, H, salto);
  const tela = nuoviStrati();
  tela.linee('margine', margine.runs);
  tela.linee('traccia', linea.runs);
  // The stretch of the line the drawing shows, and its points for the labels and the cursor.
  let m0 = Infinity, m1 = -Infinity;
  const punti = calcoli.griglia(24), mostrati = [];
  for (const r of linea.runs) for (let j = 0; j < r.length; j += 2) punti.aggiungi(r[j], r[j + 1]);
  for (const i of linea.indici) {
    m0 = Math.min(m0, T.m[i]); m1 = Math.max(m1, T.m[i]);
    mostrati.push(i);
  }
  for (const r of margine.runs) for (let j = 0; j < r.length; j += 2) punti.aggiungi(r[j], r[j + 1]);
  for (const i of margine.indici) { m0 = Math.min(m0, Mg.m[i]); m1 = Math.max(m1, Mg.m[i]); }
  const inVista = (m) => m >= m0 - 10 && m <= m1 + 10;

  // Curves, and below signals: each a mark of its own while there are few in
  // view; crowded, one path a kind, the one under the pointer told by position.
  const [c0, c1] = trattiIn(D.curve, m0 - 10, m1 + 10), curveAffollate = c1 - c0 > kAffollati;
  for (let j = c0; j < c1; j++) {
    const c = D.curve[j], classe = c[2] > 0 ? 'curva-destra' : 'curva-sinistra';
    const parte = calcoli.tracciaVisibile(T, calcoli.campioneDa(T, c[0]), calcoli.campioneOltre(T, c[1] + 10), k, W, H, salto);
    if (!parte.runs.length) continue;
    if (!curveAffollate) infoDi(el(g, 'path', { class: classe, d: percorsoDi(parte.runs) }), () => testoCurva(c), 'curve', c);
    else tela.linee(classe, parte.runs);
  }
  // Kilometre ticks at least 5 px apart.
  let ultimaTacca = null;
  for (const [m] of postiKm) {
    if (!inVista(m)) continue;
    const q = puntoA(m), r = puntoA(m + 20);
    if (!q || !r) continue;
    const x = k.px(q[0]), y = k.py(q[1]), dx = k.px(r[0]) - x, dy = k.py(r[1]) - y, n = Math.hypot(dx, dy) || 1;
    if (!dentro(x, y) || (ultimaTacca && Math.hypot(x - ultimaTacca[0], y - ultimaTacca[1]) < 5)) continue;
    ultimaTacca = [x, y];
    tela.segmento('tacca-km', x - dy / n * 5, y + dx / n * 5, x + dy / n * 5, y - dx / n * 5);
  }
  // Mountain sections and slowdowns along the track, with their details on hover.
  const lungo = (m0t, m1t) => calcoli.tracciaVisibile(T, calcoli.campioneDa(T, m0t), calcoli.campioneOltre(T, m1t), k, W, H, salto).runs;
  const [t0, t1] = trattiIn(D.montagna, m0, m1), montagneAffollate = t1 - t0 > kTrattiAffollati;
  for (let j = t0; j < t1; j++) {
    const t = D.montagna[j], runs = lungo(t[0], t[1]);
    if (!runs.length) continue;
    if (montagneAffollate) tela.linee('montagna-pianta', runs);
    else infoDi(el(g, 'path', { class: 'montagna-pianta', d: percorsoDi(runs) }), () => testoMontagna(t), 'montagna', t);
  }
  for (const r of D.rallentamenti) {
    if (!(r[1] >= m0 && r[0] <= m1)) continue;
    const runs = lungo(r[0], r[1]);
    if (runs.length) {
      infoDi(el(g, 'path', { class: 'rallentamento-pianta', d: percorsoDi(runs) }),
             () => 'Slowdown to ' + r[3] + ' km/h\nfrom ' + dove(r[0]) + '\nlength ' + fmt(r[1] - r[0]) + ' m', 'rallentamenti', r);
    }
  }
  const s0 = puntoA(0), s1 = puntoA(D.lunghezza);
  if (s0) infoDi(el(g, 'circle', { class: 'inizio', cx: k.px(s0[0]), cy: k.py(s0[1]), r: 6 }), () => 'Start of the line\n' + dove(0) + (D.orologio ? '\nclock at the start ' + D.orologio : ''));
  if (s1) infoDi(el(g, 'rect', { class: 'fine', x: k.px(s1[0]) - 5, y: k.py(s1[1]) - 5, width: 10, height: 10 }),
                 () => 'End of the line\n' + dove(D.lunghezza));
  const segnali = D.segnali.filter((s) => inVista(s[0])), segnaliAffollati = segnali.length > kAffollati;
  for (const s of segnali) {
    const q = puntoA(s[0]); if (!q) continue;
    const x = k.px(q[0]), y = k.py(q[1]);
    if (segnaliAffollati) tela.cerchio('segnale', x, y, 3.2);
    else infoDi(el(g, 'circle', { class: 'segnale segnale-pianta', cx: x, cy: y, r: 3.2 }), () => testoSegnale(s), 'segnali', s);
  }
  dipingi(pianta, tela.strati, ['margine', 'traccia', 'curva-destra', 'curva-sinistra', 'tacca-km', 'montagna-pianta', 'segnale']);
  // Station labels: around the point, nearest first, on a free spot: clear of
  // the drawing's edges, of the other labels and marks, and of the track drawn.
  const scatole = [], libero = (b) => b.x >= 0 && b.y >= 0 && b.x + b.w <= W && b.y + b.h <= H &&
    !scatole.some((c) => sovrapposti(b, c)) && !punti.tocca(b.x - 2, b.y - 2, b.x + b.w + 2, b.y + b.h + 2);
  const stazioni = [];
  D.stazioni.forEach((s, i) => {
    const q = puntoA(s.m); if (!q) return;
    const x = k.px(q[0]), y = k.py(q[1]);
    infoDi(el(g, 'circle', { class: (s.ferma ? 'stazione-ferma' : 'stazione-transito') + ' stazione-pianta', cx: x, cy: y, r: 5,
                             'data-stazione': i }), () => testoStazione(s), 'stazioni', s);
    if (!dentro(x, y)) return;
    scatole.push({ x: x - 5, y: y - 5, w: 10, h: 10 });
    stazioni.push([s, i, x, y]);
  });
  for (const [s, i, x, y] of stazioni) {
    const testo = s.nome + (s.orario ? ' ' + s.orario : ''), w = testo.length * 7.4 + 4, h = 15;
    const posa = posaEtichetta(x, y, w, h, libero);
    if (!posa) continue;
    const b = posa.box;
    scatole.push(b);
    if (posa.lontano) el(g, 'line', { class: 'guida', x1: x, y1: y, x2: Math.min(Math.max(x, b.x), b.x + b.w), y2: Math.min(Math.max(y, b.y), b.y + b.h) });
    el(g, 'rect', { class: 'fondo-etichetta', x: b.x, y: b.y, width: b.w, height: b.h });
    infoDi(el(g, 'text', { class: s.ferma ? 'nome-ferma' : 'nome-transito', x: b.x + 2, y: b.y + h - 4, 'data-stazione': i }, testo),
           () => testoStazione(s), 'stazioni', s);
  }
  scrivi(pianta, radice);
  vistaPianta = { k, f: finestra, g: $('gruppo-pianta'), mostrati, margine: margine.indici, montagneAffollate };
  mettiCursorePianta();
}

// The plan's cursor: a ring on the track at the cursor's position, moved in place.
function mettiCursorePianta() {
  let c = $('cursore-pianta');
  const q = cursore === null || !vistaPianta ? null : puntoA(cursore);
  if (!q) { if (c) c.remove(); return; }
  if (!c) c = elVivo(vistaPianta.g, 'circle', { class: 'punto-cursore', id: 'cursore-pianta', r: 9 });
  c.setAttribute('cx', vistaPianta.k.px(q[0]));
  c.setAttribute('cy', vistaPianta.k.py(q[1]));
}

// The profile: rows from the top, as in the printed picture.
function disegnaProfilo() {
  const radice = { figli: [] }, tela = nuoviStrati();
  const [W, H] = size(profilo);
  profilo.setAttribute('viewBox', '0 0 ' + W + ' ' + H);
  const sx = 70, dx = 14, larg = W - sx - dx;
  const X = (m) => sx + (m - da) / (a - da) * larg;
  // The rows share the drawing's height: names, speed, signposts, gradient, curves, axis.
  // Room above for the stations' names, a thin band when none is in range.
  const conNomi = D.stazioni.some((s) => s.m >= da && s.m <= a);
  const nomi = conNomi ? Math.min(180, Math.max(120, H * 0.34)) : 24, resto = Math.max(H - nomi - 10 - 22 - 6 - 40, 150);
  const v0 = nomi + 10, vh = resto * 0.5, c0 = v0 + vh, p0 = c0 + 22, ph = resto * 0.32, k0 = p0 + ph + 6, kh = resto * 0.18, asse = k0 + kh;
  let vmax = 0, gmax = 5, cmax = 0;
  D.velocita.forEach((t) => vmax = Math.max(vmax, t[2]));
  D.pendenza.forEach((t) => gmax = Math.max(gmax, Math.abs(t[2])));
  D.curve.forEach((c) => cmax = Math.max(cmax, 1000 / c[3]));
  const vtop = Math.ceil((vmax + 25) / 20) * 20;
  const V = (v) => v0 + vh - v / vtop * vh, G = (g) => p0 + ph / 2 - g / gmax * (ph / 2 - 10);
  const C = (c) => k0 + kh / 2 - (cmax ? c / cmax * (kh / 2 - 2) : 0);
  const vis = (m0, m1) => m1 >= da && m0 <= a;
  // The stretches of a sorted list in range, at most one every two pixels.
  const tratti = (lista, peso) => {
    const [i0, i1] = trattiIn(lista, da, a);
    return calcoli.perColonna(lista, i0, i1, (m) => X(m) / 2, peso).map((i) => lista[i]);
  };
  const punti = (lista) => nelTratto(lista, da, a);
  const clip = el(el(radice, 'defs', {}), 'clipPath', { id: 'dentro' });
  el(clip, 'rect', { x: sx, y: 0, width: larg, height: H });
  // Fixed: the frames and the axes' titles and scales (g). Moved and scaled
  // as a whole by a gesture: the ticks and stations (gm), and inside the rows'
  // clip (d) the rest.
  const g = el(radice, 'g', {}), gm = el(radice, 'g', { id: 'scorre-profilo' });
  const d = el(el(radice, 'g', { id: 'dentro-profilo', 'clip-path': 'url(#dentro)' }), 'g', { id: 'scorre-dentro' });
  for (const [y0, h] of [[v0, vh], [p0, ph], [k0, kh]]) el(g, 'rect', { class: 'cornice', x: sx, y: y0, width: larg, height: h });
  const st = passo(a - da, Math.max(2, Math.floor(larg / 90)));
  for (let m = Math.ceil(da / st) * st; m <= a + 1e-6; m += st) {
    el(gm, 'line', { class: 'griglia', x1: X(m), x2: X(m), y1: v0, y2: asse });
    // Centred on its tick, but never reaching left over the axis title ("km").
    const testo = fmt(m / 1000, 3), x = Math.max(X(m), sx + calcoli.larghezzaTesto(testo, 11) / 2);
    el(gm, 'text', { class: 'tacca-asse', x, y: asse + 13, 'text-anchor': 'middle' }, testo);
  }
  let ultimo = sx - 30, ultimaTacca = -Infinity;  // clear of the row's name; ticks at least 4 px apart
  for (const [m, km] of postiKm) {
    if (m < da || m > a || Math.abs(X(m) - ultimaTacca) < 4) continue;
    ultimaTacca = X(m);
    tela.segmento('tacca-km', X(m), asse, X(m), asse + 3);
    if (X(m) - ultimo > 60) { el(gm, 'text', { class: 'progressiva', x: X(m), y: asse + 28, 'text-anchor': 'middle' }, 'km ' + km); ultimo = X(m); }
  }
  el(g, 'text', { x: sx - 4, y: asse + 13, 'text-anchor': 'end', class: 'titolo-asse' }, 'km');
  el(g, 'text', { x: sx - 4, y: asse + 28, 'text-anchor': 'end', class: 'progressiva titolo-asse' }, 'posts');
  for (let v = 0; v <= vtop; v += passo(vtop, 5)) el(g, 'text', { x: sx - 4, y: V(v) + 4, 'text-anchor': 'end' }, v);
  el(g, 'text', { x: 4, y: v0 + 12 }, 'km/h');
  for (const q of [-gmax, 0, gmax]) el(g, 'text', { x: sx - 4, y: G(q) + 4, 'text-anchor': 'end' }, q + '\u2030');
  // The altitude: heights added up from the gradients, relative to the start,
  // scaled to the gradient row (its lowest and highest on the whole line at the row's foot and top).
  const [hmin, hmax] = quoteEstreme, A = (h) => p0 + ph - 4 - (h - hmin) / (hmax - hmin || 1) * (ph - 8);
  // Painted, as the speed line below: thousands of points as an element's
  // attribute cost the page more to parse than the canvas takes to paint them.
  const q0 = calcoli.primoDa(quote, da), q1 = calcoli.primoOltre(quote, a), punteQuota = [];
  for (let j = Math.max(q0 - 1, 0); j < Math.min(q1 + 1, quote.length); j++) punteQuota.push(X(quote[j][0]), A(quote[j][1]));
  if (punteQuota.length > 2) {
    tela.linee('altitudine', [punteQuota]);
    el(g, 'text', { class: 'altitudine-testo', x: sx + larg - 4, y: p0 + 10, 'text-anchor': 'end' }, 'altitude ' + fmt(hmin, 1) + ' to ' + fmt(hmax, 1) + ' m');
  }
  el(g, 'text', { x: sx - 4, y: k0 + 12, 'text-anchor': 'end' }, 'right');
  el(g, 'text', { x: sx - 4, y: k0 + kh - 3, 'text-anchor': 'end' }, 'left');
  el(g, 'line', { class: 'zero', x1: sx, x2: sx + larg, y1: G(0), y2: G(0) });
  el(g, 'line', { class: 'zero', x1: sx, x2: sx + larg, y1: C(0), y2: C(0) });
  // The bar rows, painted: each class one path; the bar under the pointer is told by position.
  const barra = tela.rett;
  for (const t of tratti(D.montagna, () => 1)) barra('montagna', X(t[0]), v0, X(t[1]) - X(t[0]), asse - v0);
  for (const t of tratti(D.pendenza, (p) => p[2])) {
    if (!t[2]) continue;
    const w = Math.max(X(t[1]) - X(t[0]), 1);
    barra(t[2] > 0 ? 'pendenza-su' : 'pendenza-giu', X(t[0]), G(0), w, G(t[2]) - G(0));
    if (w > 18) el(d, 'text', { x: X(t[0]) + w / 2, y: t[2] > 0 ? G(t[2]) - 3 : G(t[2]) + 11, 'text-anchor': 'middle' }, (t[2] > 0 ? '+' : '') + t[2]);
  }
  for (const c of tratti(D.curve, (q) => 1000 / q[3])) {
    const k = 1000 / c[3], w = Math.max(X(c[1]) - X(c[0]), 1);
    barra(c[2] > 0 ? 'curvatura-destra' : 'curvatura-sinistra', X(c[0]), C(0), w, c[2] > 0 ? C(k) - C(0) : C(0) - C(k));
    if (w > 34) el(d, 'text', { x: X(c[0]) + w / 2, y: c[2] > 0 ? C(0) + 11 : C(0) - 3, 'text-anchor': 'middle', class: 'curva-etichetta' }, 'R ' + Math.round(c[3]));
  }
  // Stations outside the clipped group, so that a name at the left edge shows whole.
  D.stazioni.forEach((s) => {
    if (s.a > s.da && vis(s.da, s.a)) {
      infoDi(el(d, 'rect', { class: 'zona-fermata', x: X(s.da), y: v0, width: Math.max(X(s.a) - X(s.da), 1), height: vh }),
             () => 'Stop zone of ' + s.nome + '\n' + dove(s.da) + ' to ' + dove(s.a), 'stazioni', s);
    }
  });
  D.stazioni.forEach((s, i) => {
    if (s.m < da || s.m > a) return;
    const x = X(s.m), gg = el(gm, 'g', { class: 'stazione-profilo', 'data-stazione': i });
    el(gg, 'line', { class: s.ferma ? 'linea-ferma' : 'linea-transito', x1: x, x2: x, y1: v0 - 6, y2: asse });
    infoDi(el(gg, 'circle', { class: s.ferma ? 'stazione-ferma' : 'stazione-transito', cx: x, cy: v0 - 6, r: 4 }), () => testoStazione(s), 'stazioni', s);
    infoDi(el(gg, 'text', { class: s.ferma ? 'nome-ferma' : 'nome-transito', 'font-size': 10, x: x + 4, y: v0 - 13, transform: 'rotate(-90 ' + (x + 4) + ' ' + (v0 - 13) + ')' },
      nomeCorto(s, nomi - 16)), () => testoStazione(s), 'stazioni', s);
  });
  D.progressive.forEach((p) => {
    if (p[0] <= 0 || p[0] < da || p[0] > a) return;
    el(d, 'line', { class: 'cambio-progressiva', x1: X(p[0]), x2: X(p[0]), y1: v0, y2: asse });
    infoDi(el(d, 'text', { class: 'progressiva', x: X(p[0]) + 3, y: c0 + 16 }, posto(p[0]) + (p[2] ? ' \u2193' : ' \u2191')),
           () => 'Kilometre posts from ' + dove(p[0]) + ', counting ' + (p[2] ? 'down' : 'up'), 'progressive', p);
  });
  D.rallentamenti.forEach((r) => {
    if (!vis(r[0] - 1300, r[1])) return;
    infoDi(el(d, 'rect', { class: 'rallentamento', x: X(r[0]), y: V(r[3]), width: Math.max(X(r[1]) - X(r[0]), 2), height: V(0) - V(r[3]) }),
      () => 'Slowdown to ' + r[3] + ' km/h\nfrom ' + dove(r[0]) + '\nlength ' + fmt(r[1] - r[0]) + ' m' + (r[2] >= 0 ? '\nwarning board at ' + dove(r[2]) : ''),
      'rallentamenti', r);
    el(d, 'text', { class: 'rallentamento-valore', x: X(r[0]), y: V(r[3]) - 4 }, r[3] + ' (' + fmt(r[1] - r[0]) + ' m)');
    if (r[2] >= 0) infoDi(el(d, 'path', { class: 'avviso-rallentamento', d: 'M' + X(r[2]) + ' ' + (V(0) - 12) + 'l5 10h-10z' }),
      () => 'Slowdown warning board\n' + dove(r[2]) + '\nfor ' + r[3] + ' km/h at ' + dove(r[0]), 'rallentamenti', r);
  });
  const linea = [];
  const [v0i, v1i] = trattiIn(D.velocita, da, a);
  for (let j = v0i; j < v1i; j++) {
    const t = D.velocita[j];
    linea.push(X(t[0]), V(t[2]), X(t[1]), V(t[2]));
    const x0 = Math.max(X(t[0]), sx), x1 = Math.min(X(t[1]), sx + larg);
    if (x1 - x0 > 24) el(d, 'text', { class: 'velocita-valore', x: (x0 + x1) / 2, y: V(t[2]) - 4, 'text-anchor': 'middle' }, t[2]);
  }
  if (linea.length) tela.linee('velocita', [linea]);
  let ultimoSegnale = -1e9, ultimoIndicatore = -1e9;
  // Signposts, with their text beside them where it clears the next one.
  const cartelli = punti(D.cartelli);
  cartelli.forEach((c, j) => {
    const testoCartello = () => 'Signpost\n"' + c[1] + '"\n' + dove(c[0]);
    infoDi(el(d, 'rect', { class: 'cartello', x: X(c[0]) - 3, y: c0 + 3, width: 6, height: 9 }), testoCartello, 'cartelli', c);
    const testo = c[1].trim().replace(/\s+/g, ' '), fine = j + 1 < cartelli.length ? X(cartelli[j + 1][0]) - 4 : sx + larg;
    if (testo && X(c[0]) + 5 + calcoli.larghezzaTesto(testo, 9) <= fine) {
      infoDi(el(d, 'text', { class: 'cartello-testo', x: X(c[0]) + 5, y: c0 + 11 }, testo), testoCartello, 'cartelli', c);
    }
  });
  // Speed indicators: marks of their own while few, painted when crowded.
  const indicatori = punti(D.indicatori), indicatoriAffollati = indicatori.length > kAffollati;
  for (const i of indicatori) {
    if (indicatoriAffollati) tela.rombo('indicatore', X(i[0]), V(0) - 24, 5);
    else infoDi(el(d, 'path', { class: 'indicatore', d: 'M' + X(i[0]) + ' ' + (V(0) - 30) + 'l5 6l-5 6l-5 -6z' }), () => testoIndicatore(i), 'indicatori', i);
    if (X(i[0]) - ultimoIndicatore >= 22) { el(d, 'text', { class: 'indicatore-valore', x: X(i[0]), y: V(0) - 6, 'text-anchor': 'middle' }, i[1]); ultimoIndicatore = X(i[0]); }
  }
  // Signals each a mark of its own while there are few in view;
  // crowded, painted, the signal under the pointer told by position.
  const segnali = punti(D.segnali), affollati = segnali.length > kAffollati;
  for (const s of segnali) {
    const x = X(s[0]);
    if (affollati) tela.triangolo('segnale', x - 5, v0 + 1, x + 5, v0 + 1, x, v0 + 11);
    else infoDi(el(d, 'path', { class: 'segnale segnale-profilo', d: 'M' + xy(x - 5, v0 + 1) + 'h10l-5 10z' }), () => testoSegnale(s), 'segnali', s);
    if (x - ultimoSegnale >= 14) { el(d, 'text', { class: 'segnale-tipo', x, y: v0 + 20, 'text-anchor': 'middle' }, s[1] + (s[2] ? '/' + s[2] : '')); ultimoSegnale = x; }
  }
  // A live page's diagnostics at their positions on the line, each opening the editor at its line.
  for (const segno of window.vistaSegni || []) {
    if (segno.m < da || segno.m > a) continue;
    const x = X(segno.m), attrs = { class: 'diagnostica', d: 'M' + xy(x - 6, v0 - 9) + 'h12l-6 9z' };
    if (segno.editor) attrs['data-editor'] = segno.editor;
    el(d, 'line', { class: 'diagnostica-linea', x1: x, x2: x, y1: v0, y2: asse, 'pointer-events': 'none' });
    infoDi(el(d, 'path', attrs), segno.testo);
  }
  dipingi(profilo, tela.strati, ['montagna', 'pendenza-su', 'pendenza-giu', 'curvatura-destra', 'curvatura-sinistra', 'altitudine', 'velocita',
                                 'tacca-km', 'segnale', 'indicatore'],
          [sx, 0, larg, H]);
  scrivi(profilo, radice);
  vistaProfilo = { da, a, sx, larg, d: $('dentro-profilo'), y1: v0 - 10, y2: asse, v0, c0, p0, ph, k0, kh, asse, V, A };
  mettiCursoreProfilo();
}

// The profile's cursor: a vertical line at the cursor's position, moved in place.
function mettiCursoreProfilo() {
  let c = $('cursore-profilo');
  if (cursore === null || cursore < da || cursore > a || !vistaProfilo) { if (c) c.remove(); return; }
  const p = vistaProfilo, x = p.sx + (cursore - da) / (a - da) * p.larg;
  if (!c) c = elVivo(p.d, 'line', { class: 'cursore', id: 'cursore-profilo', y1: p.y1, y2: p.y2 });
  c.setAttribute('x1', x);
  c.setAttribute('x2', x);
}

// The range shown, in the fields in km from the start, to the metre, and by
// the kilometre posts, and on the profile in m.
function diciRange() {
  $('da-km').value = +(da / 1000).toFixed(3);
  $('a-km').value = +(a / 1000).toFixed(3);
  $('da-posto').textContent = 'post ' + posto(da);
  $('a-posto').textContent = 'post ' + posto(a);
  profilo.setAttribute('data-da', da.toFixed(0));
  profilo.setAttribute('data-a', a.toFixed(0));
}
function disegna() {
  diciRange();
  info = [];
  oggetti = [];
  disegnaPianta();
  disegnaProfilo();
}
// The profile's range set to [m0, m1], kept within the line and 200 m wide
// at least, not drawn; whether it changed.
function imposta(m0, m1) {
  const span = Math.max(Math.min(m1 - m0, L), Math.min(200, L));
  m0 = Math.max(0, Math.min(m0, L - span));
  if (da === m0 && a === m0 + span) return false;
  da = m0; a = m0 + span;
  return true;
}
let disegnato = false;
function mostra(m0, m1, piantaDaAdattare) {
  // A pan or zoom against an end of the line may change nothing: then nothing is redrawn.
  if (!imposta(m0, m1) && disegnato && piantaDaAdattare !== false) return;
  disegnato = true;
  if (piantaDaAdattare !== false) adattaPianta();
  disegna();
}
// The range zoomed by f about line position `centro` (the middle unless given).
const zoomato = (f, centro) => {
  const c = centro === undefined ? (da + a) / 2 : centro;
  return [c - (c - da) * f, c + (a - c) * f];
};
const spostato = (fr) => { const s = (a - da) * fr; return [da + s, a + s]; };
function zoom(f, centro) { mostra(...zoomato(f, centro)); }
function sposta(fr) { mostra(...spostato(fr)); }

// The plan moved by itself: the profile shows what the plan's window holds.
// The samples are looked at about two a pixel, as the drawing does.
function seguiPianta() {
  const f = finestra, salto = calcoli.saltoPer(T, 1 / scalaPianta().s);
  let m0 = Infinity, m1 = -Infinity;
  for (let i = 0; i < T.n; i = i + salto < T.n || i === T.n - 1 ? i + salto : T.n - 1) {
    const x = T.x[i], y = T.y[i];
    if (x >= f.x0 && x <= f.x1 && y >= f.y0 && y <= f.y1) { m0 = Math.min(m0, T.m[i]); m1 = Math.max(m1, T.m[i]); }
  }
  if (isFinite(m0) && m1 > m0) mostra(m0, m1, false); else disegna();
}
// The plan's window zoomed by `fatt` about the drawing's point (px, py).
function zoomaFinestra(fatt, px, py) {
  const k = scalaPianta(), mx = k.mx(px), my = k.my(py), f = finestra;
  finestra = { x0: mx - (mx - f.x0) * fatt, x1: mx + (f.x1 - mx) * fatt, y0: my - (my - f.y0) * fatt, y1: my + (f.y1 - my) * fatt };
}

function metroProfilo(ev) {
  const r = profilo.getBoundingClientRect(), p = vistaProfilo;
  return da + (ev.clientX - r.left - p.sx) / p.larg * (a - da);
}
// The line position of the track point drawn nearest the pointer, within
// `raggio` px (30 unless given), the margin's after the line's.
function metroPianta(ev, raggio) {
  if (!vistaPianta) return null;
  const r = pianta.getBoundingClientRect(), k = vistaPianta.k, x = ev.clientX - r.left, y = ev.clientY - r.top;
  let best = null, bd = (raggio || 30) ** 2;
  for (const [t, indici] of [[T, vistaPianta.mostrati], [Mg, vistaPianta.margine]]) {
    for (const i of indici) {
      const dx = k.px(t.x[i]) - x, dy = k.py(t.y[i]) - y, d2 = dx * dx + dy * dy;
      if (d2 < bd) { bd = d2; best = t.m[i]; }
    }
  }
  return best;
}
function metticursore(m) {
  cursore = m;
  $('cursore-testo').textContent = m === null ? '' : 'cursor: ' + dove(m);
  mettiCursorePianta();
  mettiCursoreProfilo();
}

// Work asked for by pointer and wheel events runs once per frame, on what
// the events of that frame added up to.
function perFotogramma() {
  let attesa = null;
  return (lavoro) => {
    if (attesa === null) requestAnimationFrame(() => { const f = attesa; attesa = null; f(); });
    attesa = lavoro;
  };
}

// Wheel, drag, hover and cursor on both drawings. On a long line, while the
// wheel turns or the pointer drags, each frame shows the last drawings moved
// and scaled (anteprima), and both views are drawn anew once the gesture
// rests (`kRiposo` ms without an event) or the pointer lets go. A line up to
// `kLineaBreve` m is drawn whole within a frame: it is drawn anew at every
// frame of a gesture, and the sharp picture does not wait for the rest.
const kRiposo = 150;
const kLineaBreve = 150000;
const disegnoAOgniPasso = D.lunghezza <= kLineaBreve;
function ridisegnaChiesto() {
  if (!anteprima()) return;
  if (vistaPianta && finestra !== vistaPianta.f) seguiPianta();
  else { adattaPianta(); disegna(); }
}
// A gesture's frames and its end: on each call of `mossa`, `lavoro` runs
// once in the next frame; both views are drawn anew after `kRiposo` ms
// without a call, or at once on `fine`.
function gesto(lavoro) {
  const pianifica = perFotogramma();
  let riposo = null;
  const finisci = () => { clearTimeout(riposo); riposo = null; pianifica(() => { lavoro(); ridisegnaChiesto(); }); };
  return {
    mossa() {
      if (disegnoAOgniPasso) { pianifica(() => { lavoro(); ridisegnaChiesto(); }); return; }
      pianifica(lavoro); clearTimeout(riposo); riposo = setTimeout(finisci, kRiposo);
    },
    fine() { if (riposo !== null) finisci(); },
  };
}
// Whether the pointer moved since it was pressed: the click that ends a drag
// opens nothing; and whether it is moving now, when hovers tell nothing.
let trascinato = false, trascinando = false;
// A drag: `suMossa` gets the pointer's moves, added up, once per frame.
function trascina(svg, suMossa) {
  let da0 = null, somma = [0, 0];
  const g = gesto(() => { const [x, y] = somma; somma = [0, 0]; if (x || y) suMossa(x, y); anteprima(); });
  svg.addEventListener('pointerdown', (e) => { da0 = [e.clientX, e.clientY]; trascinato = false; if (svg.setPointerCapture) try { svg.setPointerCapture(e.pointerId); } catch { /* a synthetic pointer has nothing to capture */ } });
  const lascia = () => { da0 = null; trascinando = false; g.fine(); };
  svg.addEventListener('pointerup', lascia);
  svg.addEventListener('pointercancel', lascia);
  svg.addEventListener('pointermove', (e) => {
    if (!da0) return;
    const ddx = e.clientX - da0[0], ddy = e.clientY - da0[1];
    if (Math.abs(ddx) + Math.abs(ddy) < 2) return;
    da0 = [e.clientX, e.clientY];
    trascinato = trascinando = true;
    somma = [somma[0] + ddx, somma[1] + ddy];
    g.mossa();
  });
}
// The wheel: `suRuota` gets the zoom factor of the turns of a frame and where the pointer is.
function ruota(svg, suRuota) {
  let fattore = 1, presso = null;
  const g = gesto(() => { const f = fattore; fattore = 1; if (f !== 1) suRuota(f, ...presso); anteprima(); });
  svg.addEventListener('wheel', (e) => {
    e.preventDefault();
    fattore *= e.deltaY > 0 ? 1.25 : 0.8;
    const r = svg.getBoundingClientRect();
    presso = [e.clientX - r.left, e.clientY - r.top, e.clientX];
    g.mossa();
  }, { passive: false });
}
ruota(profilo, (f, x, y, cx) => imposta(...zoomato(f, metroProfilo({ clientX: cx }))));
ruota(pianta, (f, x, y) => { if (finestra) zoomaFinestra(f, x, y); });
// Dragging the profile moves its range, dragging the plan its window.
trascina(profilo, (ddx) => { const s = -ddx / vistaProfilo.larg * (a - da); imposta(da + s, a + s); });
trascina(pianta, (ddx, ddy) => {
  if (!finestra) return;
  const s = scalaPianta().s, f = finestra;
  finestra = { x0: f.x0 - ddx / s, x1: f.x1 - ddx / s, y0: f.y0 + ddy / s, y1: f.y1 + ddy / s };
});
profilo.addEventListener('mousemove', (e) => { const m = metroProfilo(e); if (!trascinando && m >= da && m <= a) metticursore(m); });
// The plan's points are found against its drawing: not while it shows moved or scaled.
const piantaFerma = () => !vistaPianta || finestra === vistaPianta.f;
pianta.addEventListener('mousemove', (e) => { const m = trascinando || !piantaFerma() ? null : metroPianta(e); if (m !== null && m <= D.lunghezza) metticursore(m); });
// What the painted layers hold under the pointer: in the plan, a signal, a
// mountain section or a curve at the track point nearest it; in the profile, by row. Each is
// { testo, tipo, voce } (the text, and the object as an item of the route's
// list `tipo`), or null.
const trovato = (testo, tipo, voce) => ({ testo, tipo, voce });
function toccoPianta(e) {
  const m = vistaPianta && piantaFerma() ? metroPianta(e, 8) : null;
  if (m === null) return null;
  const s = calcoli.vicino(D.segnali, m, 6 / vistaPianta.k.s);
  if (s) return trovato(testoSegnale(s), 'segnali', s);
  const t = vistaPianta.montagneAffollate ? calcoli.trattoA(D.montagna, m) : null;
  if (t) return trovato(testoMontagna(t), 'montagna', t);
  const c = calcoli.trattoA(D.curve, m);
  if (c) return trovato(testoCurva(c), 'curve', c);
  return m > D.lunghezza ? trovato('Beyond the end of the line\nnot run; from ' + dove(D.lunghezza)) : null;
}
function toccoProfilo(e) {
  const r = vistaProfilo, m = r ? metroProfilo(e) : NaN, y = e.clientY - profilo.getBoundingClientRect().top;
  if (!(m >= da && m <= a)) return null;
  if (y >= r.v0 && y <= r.v0 + 12) { const s = calcoli.vicino(D.segnali, m, 6 * (a - da) / r.larg); if (s) return trovato(testoSegnale(s), 'segnali', s); }
  if (y >= r.c0 - 30 && y <= r.c0 - 18) { const i = calcoli.vicino(D.indicatori, m, 6 * (a - da) / r.larg); if (i) return trovato(testoIndicatore(i), 'indicatori', i); }
  if (y >= r.p0 && y <= r.p0 + r.ph && quote.length > 1 && Math.abs(y - r.A(calcoli.quotaA(quote, m))) <= 4) {
    return trovato('Altitude from the gradients, relative to the start\n' + dove(m) + ': ' + fmt(calcoli.quotaA(quote, m), 1) +
                   ' m\nlowest ' + fmt(quoteEstreme[0], 1) + ' m, highest ' + fmt(quoteEstreme[1], 1) + ' m');
  }
  if (y >= r.p0 && y <= r.p0 + r.ph) { const t = calcoli.trattoA(D.pendenza, m); if (t && t[2]) return trovato(testoPendenza(t), 'pendenza', t); }
  if (y >= r.k0 && y <= r.k0 + r.kh) { const c = calcoli.trattoA(D.curve, m); if (c) return trovato(testoCurva(c), 'curve', c); }
  const v = calcoli.trattoA(D.velocita, m);
  if (v && Math.abs(y - r.V(v[2])) <= 4) return trovato('Speed limit ' + v[2] + ' km/h\nfrom ' + dove(v[0]) + '\nto ' + dove(v[1]), 'velocita', v);
  const t = calcoli.trattoA(D.montagna, m);
  if (t && y >= r.v0 && y <= r.asse) return trovato(testoMontagna(t), 'montagna', t);
  return null;
}
// What is under the pointer: a mark's own object, or what the painted layers
// hold there; with the link to where the author wrote it on a live page.
function sotto(e) {
  const t = e.target.closest ? e.target.closest('[data-info]') : null;
  let o = null;
  if (t) {
    const i = +t.getAttribute('data-info'), q = oggetti[i];
    o = q ? trovato(testoInfo(i), q[0], q[1]) : trovato(testoInfo(i));
    if (t.hasAttribute('data-editor')) o.link = t.getAttribute('data-editor');
  } else if (pianta.contains(e.target)) o = toccoPianta(e);
  else if (profilo.contains(e.target)) o = toccoProfilo(e);
  if (!o || !o.testo) return null;
  const luogo = o.tipo ? sorgente(o.tipo, o.voce) : null;
  if (luogo) { o.luogo = luogo.luogo; o.link = luogo.link; }
  return o;
}
// The hover text, and where the author wrote the object: the tooltip holds
// the editor's link that a click follows.
function suggerisci(e) {
  const o = sotto(e);
  if (!o) { tip.style.display = 'none'; tip.removeAttribute('data-editor'); return; }
  tip.textContent = o.testo + (o.luogo ? '\n' + o.luogo + (o.link ? ' (click to edit)' : '') : '');
  if (o.link) tip.setAttribute('data-editor', o.link); else tip.removeAttribute('data-editor');
  tip.style.display = 'block';
}
// A click on an object (not the end of a drag) opens the editor where the author wrote it.
for (const svg of [pianta, profilo]) {
  svg.addEventListener('click', (e) => {
    if (trascinato) return;
    const o = sotto(e);
    if (o && o.link) location.href = o.link;
  });
}
document.addEventListener('mouseover', suggerisci);
document.addEventListener('mousemove', (e) => {
  if (!trascinando && (pianta.contains(e.target) || profilo.contains(e.target))) suggerisci(e);
  if (tip.style.display !== 'block') return;
  tip.style.left = Math.min(e.clientX + 14, innerWidth - tip.offsetWidth - 4) + 'px';
  tip.style.top = Math.min(e.clientY + 14, innerHeight - tip.offsetHeight - 4) + 'px';
});
// Zoom and pan keys repeat while held: like the wheel, each frame shows the
// drawings moved and scaled, and both are drawn anew once the keys rest.
const tasti = gesto(anteprima);
const daTastiera = (m0, m1) => { if (imposta(m0, m1)) tasti.mossa(); };
document.addEventListener('keydown', (e) => {
  if (e.target.tagName === 'INPUT') { if (e.key === 'Enter') vai(); return; }
  if (e.key === '+' || e.key === '=') daTastiera(...zoomato(0.8));
  else if (e.key === '-') daTastiera(...zoomato(1.25));
  else if (e.key === 'ArrowLeft') daTastiera(...spostato(-0.2));
  else if (e.key === 'ArrowRight') daTastiera(...spostato(0.2));
  else if (e.key === '0' || e.key === 'Home') mostra(0, L);
  else return;
  e.preventDefault();
});
function vai() {
  const campo = (id) => calcoli.metroDaCampo(D.progressive, D.lunghezza, $(id).value);
  const m0 = campo('da-km'), m1 = campo('a-km');
  if (isFinite(m0) && isFinite(m1) && m1 > m0) mostra(m0, m1);
}
$('vai').onclick = vai;
$('tutto').onclick = () => mostra(0, L);
$('ingrandisci').onclick = () => zoom(0.8);
$('riduci').onclick = () => zoom(1.25);
$('indietro').onclick = () => sposta(-0.2);
$('avanti').onclick = () => sposta(0.2);

$('titolo').textContent = 'Line ' + D.linea + ', train ' + D.treno;
// The train's clock at the start, where the train description gives one, above its timetable.
if (D.orologio) {
  const orologio = document.createElement('p');
  orologio.id = 'orologio';
  orologio.textContent = 'Clock at the start: ' + D.orologio;
  $('orario').before(orologio);
}
const corpo = document.querySelector('#orario tbody');
D.stazioni.forEach((s, i) => {
  const r = document.createElement('tr');
  r.className = s.ferma ? 'ferma' : 'transito';
  r.setAttribute('data-stazione', i);
  for (const v of [s.nome, fmt(s.m / 1000, 3), posto(s.m), s.orario || '\u2013', s.minimo ? Math.floor(s.minimo / 60) + ' min ' + s.minimo % 60 + ' s' : '\u2013', s.sosta ? s.sosta + ' s' : '\u2013', s.ferma ? 'yes' : 'no']) {
    const c = document.createElement('td'); c.textContent = v; r.appendChild(c);
  }
  r.onclick = () => {
    document.querySelectorAll('#orario tr.scelta').forEach((x) => x.classList.remove('scelta'));
    r.classList.add('scelta');
    const span = Math.min(a - da, 10000);
    cursore = s.m;
    mostra(s.m - span / 2, s.m + span / 2);
    metticursore(s.m);
  };
  corpo.appendChild(r);
});
const ridisegna = () => { misura(); disegna(); };
window.addEventListener('resize', ridisegna);
// Printing lays the drawings out anew at the page's size.
window.addEventListener('beforeprint', ridisegna);
window.addEventListener('afterprint', ridisegna);
window.vistaStato = () => {
  const p = vistaProfilo;
  return { da, a, finestra, cursore, righe: p && { sx: p.sx, larg: p.larg, v0: p.v0, c0: p.c0, p0: p.p0, ph: p.ph, k0: p.k0, kh: p.kh } };
};
// A live page loaded again after a change comes back at the range and plan window it showed.
const salvata = window.vistaSalvata;
if (salvata && salvata.finestra && salvata.a > salvata.da) {
  finestra = salvata.finestra;
  mostra(salvata.da, salvata.a, false);
} else {
  mostra(0, L);
}
})();
