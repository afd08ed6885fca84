// The viewer page's styles and script. Plain JavaScript and SVG: the page
// draws both views from the route data inline in it, again on every change of
// the range shown.
#include "disegno/vista_html.h"

namespace scenario::tool {

const char* const kStileVista = R"CSS(
* { box-sizing: border-box; }
body { margin: 0; font: 14px/1.35 'DejaVu Sans', Verdana, sans-serif; color: #222; background: #fafafa; }
header { display: flex; flex-wrap: wrap; align-items: center; gap: 6px 16px; padding: 6px 12px; background: #fff; border-bottom: 1px solid #ccc; }
h1 { font-size: 18px; margin: 0; }
#comandi { display: flex; flex-wrap: wrap; align-items: center; gap: 6px; }
#comandi button { font-size: 14px; min-width: 32px; padding: 3px 8px; }
#comandi input { width: 6em; }
#cursore-testo { font-size: 12px; color: #444; min-width: 18em; }
main { display: flex; gap: 10px; padding: 8px; align-items: flex-start; }
#disegni { flex: 1 1 auto; min-width: 0; }
#disegni svg { display: block; width: 100%; background: #fff; border: 1px solid #ccc; margin-bottom: 8px; user-select: none; cursor: grab; touch-action: none; }
#pianta { height: 36vh; min-height: 220px; }
#profilo { height: calc(64vh - 90px); min-height: 380px; max-height: 560px; }
#aiuto { font-size: 12px; color: #555; margin: 0; }
aside { flex: 0 0 390px; max-height: calc(100vh - 70px); overflow: auto; background: #fff; border: 1px solid #ccc; padding: 4px 8px; }
aside h2 { font-size: 15px; margin: 4px 0; }
table { border-collapse: collapse; width: 100%; font-size: 12px; }
th, td { text-align: left; padding: 2px 4px; border-bottom: 1px solid #eee; white-space: nowrap; }
tbody tr { cursor: pointer; }
tbody tr:hover, tbody tr.scelta { background: #fde8c8; }
tr.transito td { color: #666; font-style: italic; }
#suggerimento { position: fixed; display: none; pointer-events: none; background: #fffff0; border: 1px solid #886; padding: 4px 6px; font-size: 12px; max-width: 360px; white-space: pre-line; box-shadow: 1px 1px 4px rgba(0,0,0,.25); z-index: 10; }
text { font-family: 'DejaVu Sans', Verdana, sans-serif; font-size: 11px; fill: #222; }
.griglia { stroke: #e6e6e6; stroke-width: 1; }
.cornice { fill: none; stroke: #444; }
.traccia { fill: none; stroke: #1f4e9c; stroke-width: 2.5; stroke-linejoin: round; }
.margine { fill: none; stroke: #999; stroke-width: 1.5; stroke-dasharray: 6 4; }
.curva-destra { fill: none; stroke: #e07b00; stroke-width: 5; stroke-opacity: .75; }
.curva-sinistra { fill: none; stroke: #8e2fb8; stroke-width: 5; stroke-opacity: .75; }
.stazione-ferma { fill: #fff; stroke: #b00; stroke-width: 2; }
.stazione-transito { fill: #fff; stroke: #777; stroke-width: 1.4; stroke-dasharray: 2 1.5; }
.nome-ferma { font-weight: bold; }
.nome-transito { font-style: italic; fill: #555; }
.fondo { fill: #fff; fill-opacity: .85; }
.guida { stroke: #888; stroke-width: .7; }
.segnale { fill: #0a0; stroke: #050; stroke-width: .6; }
.inizio { fill: #2a2; stroke: #060; }
.fine { stroke: #000; stroke-width: 4; }
.tacca-km { stroke: #1f4e9c; stroke-width: 1; }
.km-etichetta { font-size: 10px; fill: #1f4e9c; }
.velocita { fill: none; stroke: #c00; stroke-width: 2; }
.velocita-valore { font-size: 10px; fill: #c00; }
.rallentamento { fill: #f90; fill-opacity: .35; stroke: #c60; }
.avviso-rallentamento { fill: #f90; stroke: #c60; }
.pendenza-su { fill: #c9a06a; stroke: #85602c; stroke-width: .6; }
.pendenza-giu { fill: #7fb07a; stroke: #3d6e38; stroke-width: .6; }
.curvatura-destra { fill: #e07b00; fill-opacity: .8; }
.curvatura-sinistra { fill: #8e2fb8; fill-opacity: .8; }
.montagna { fill: #a87; fill-opacity: .2; }
.linea-ferma { stroke: #b00; stroke-width: 1; }
.linea-transito { stroke: #888; stroke-dasharray: 2 2; }
.cartello { fill: #fff; stroke: #335; }
.indicatore { fill: #fd0; stroke: #760; }
.progressiva { font-size: 10px; fill: #53c; }
.zero { stroke: #666; stroke-width: .8; }
.cursore { stroke: #d0d; stroke-width: 1.2; pointer-events: none; }
.punto-cursore { fill: none; stroke: #d0d; stroke-width: 2.5; pointer-events: none; }
[data-info]:hover { stroke: #d0d; stroke-width: 2; }
@media (max-width: 1000px) { main { flex-direction: column; } aside { flex-basis: auto; width: 100%; max-height: none; } }
@media print {
  header #comandi, #aiuto, #suggerimento { display: none !important; }
  body { background: #fff; }
  main { display: block; }
  #pianta { height: 115mm; min-height: 0; } #profilo { height: 120mm; min-height: 0; max-height: none; }
  aside { max-height: none; border: none; page-break-before: always; }
}
)CSS";

const char* const kScriptVista = R"JS(
'use strict';
(function () {
const D = JSON.parse(document.getElementById('dati').textContent);
const NS = 'http://www.w3.org/2000/svg';
const L = Math.max(D.lunghezza, 1);
const $ = (id) => document.getElementById(id);
const pianta = $('pianta'), profilo = $('profilo'), tip = $('suggerimento');
let da = 0, a = L;           // profile range, m
let finestra = null;          // plan window in plan metres {x0, y0, x1, y1}
let cursore = null;           // line position under the cursor, m
let info = [];                // hover texts by data-info index

function fmt(v, d) { return Number(Math.abs(v) < 1e-9 ? 0 : v).toLocaleString('en-US', { maximumFractionDigits: d === undefined ? 0 : d }); }
function posto(m) {
  let s = null;
  for (const p of D.progressive) if (p[0] <= m) s = p;
  if (!s) return Math.round(m) + ' m';
  const k = Math.round(s[1] + (s[2] ? -(m - s[0]) : (m - s[0])));
  const v = Math.abs(k);
  return 'km ' + (k < 0 ? '-' : '') + Math.floor(v / 1000) + '+' + String(v % 1000).padStart(3, '0');
}
function dove(m) { return fmt(m) + ' m (' + posto(m) + ')'; }
function el(parent, tag, attrs, text) {
  const e = document.createElementNS(NS, tag);
  for (const k in attrs) e.setAttribute(k, attrs[k]);
  if (text !== undefined) e.textContent = text;
  parent.appendChild(e);
  return e;
}
function infoDi(e, testo) { e.setAttribute('data-info', info.length); info.push(testo); return e; }
function passo(span, quante) {
  const g = span / quante, p = Math.pow(10, Math.floor(Math.log10(g)));
  for (const f of [1, 2, 5, 10]) if (f * p >= g) return f * p;
  return 10 * p;
}
function size(svg) { const r = svg.getBoundingClientRect(); return [Math.max(r.width, 100), Math.max(r.height, 100)]; }

// The track's point at a line position, by interpolation between samples.
function puntoA(m) {
  const t = m <= D.lunghezza || !D.margine.length ? D.traccia : D.margine;
  if (!t.length) return null;
  let lo = 0, hi = t.length - 1;
  if (m <= t[0][0]) return [t[0][1], t[0][2]];
  if (m >= t[hi][0]) return [t[hi][1], t[hi][2]];
  while (hi - lo > 1) { const mid = (lo + hi) >> 1; if (t[mid][0] <= m) lo = mid; else hi = mid; }
  const f = (m - t[lo][0]) / (t[hi][0] - t[lo][0] || 1);
  return [t[lo][1] + f * (t[hi][1] - t[lo][1]), t[lo][2] + f * (t[hi][2] - t[lo][2])];
}

// The plan window that shows the track between da and a.
function adattaPianta() {
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  const usa = (p) => { x0 = Math.min(x0, p[1]); x1 = Math.max(x1, p[1]); y0 = Math.min(y0, p[2]); y1 = Math.max(y1, p[2]); };
  for (const p of D.traccia) if (p[0] >= da && p[0] <= a) usa(p);
  for (const m of [da, a]) { const q = puntoA(m); if (q) usa([m, q[0], q[1]]); }
  if (!isFinite(x0)) { finestra = null; return; }
  const cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const w = Math.max(x1 - x0, 200) * 1.1, h = Math.max(y1 - y0, 200) * 1.1;
  finestra = { x0: cx - w / 2, x1: cx + w / 2, y0: cy - h / 2, y1: cy + h / 2 };
}

// Pixel mapping of the plan: equal scales, the window centred.
function scalaPianta() {
  const [W, H] = size(pianta);
  const f = finestra, s = Math.min(W / (f.x1 - f.x0), H / (f.y1 - f.y0));
  const cx = (f.x0 + f.x1) / 2, cy = (f.y0 + f.y1) / 2;
  return { W, H, s, px: (x) => W / 2 + (x - cx) * s, py: (y) => H / 2 - (y - cy) * s,
           mx: (px) => cx + (px - W / 2) / s, my: (py) => cy - (py - H / 2) / s };
}

function disegnaPianta() {
  pianta.textContent = '';
  if (!finestra) { el(pianta, 'text', { x: 20, y: 30 }, 'No track plan in this scenario'); return; }
  const k = scalaPianta(), [W, H] = [k.W, k.H];
  pianta.setAttribute('viewBox', '0 0 ' + W + ' ' + H);
  const vis = { x0: k.mx(0), x1: k.mx(W), y0: k.my(H), y1: k.my(0) };
  pianta.setAttribute('data-finestra', [vis.x0, vis.y0, vis.x1, vis.y1].map((v) => v.toFixed(1)).join(' '));
  const g = el(pianta, 'g', {});
  const st = passo(Math.max(vis.x1 - vis.x0, vis.y1 - vis.y0), 8);
  for (let x = Math.ceil(vis.x0 / st) * st; x <= vis.x1; x += st) {
    el(g, 'line', { class: 'griglia', x1: k.px(x), x2: k.px(x), y1: 0, y2: H });
    el(g, 'text', { x: k.px(x) + 2, y: H - 4 }, fmt(x / 1000, 3) + ' km E');
  }
  for (let y = Math.ceil(vis.y0 / st) * st; y <= vis.y1; y += st) {
    el(g, 'line', { class: 'griglia', x1: 0, x2: W, y1: k.py(y), y2: k.py(y) });
    el(g, 'text', { x: 2, y: k.py(y) - 2 }, fmt(y / 1000, 3) + ' km N');
  }
  el(g, 'text', { x: W - 6, y: 14, 'text-anchor': 'end' }, 'north \u2191');
  const punti = (lista, m0, m1) => lista.filter((p) => p[0] >= m0 && p[0] <= m1)
    .map((p) => k.px(p[1]).toFixed(1) + ',' + k.py(p[2]).toFixed(1)).join(' ');
  infoDi(el(g, 'polyline', { class: 'margine', points: punti(D.margine, -Infinity, Infinity) }),
         'Beyond the end of the line\nnot run; from ' + dove(D.lunghezza));
  el(g, 'polyline', { class: 'traccia', id: 'traccia-pianta', points: punti(D.traccia, -Infinity, Infinity) });
  for (const c of D.curve) {
    infoDi(el(g, 'polyline', { class: c[2] > 0 ? 'curva-destra' : 'curva-sinistra', points: punti(D.traccia, c[0], c[1] + 10) }),
           'Curve ' + (c[2] > 0 ? 'right' : 'left') + '\nfrom ' + dove(c[0]) + '\nto ' + dove(c[1]) +
           '\nradius ' + fmt(c[3]) + ' m, ' + fmt(Math.abs(c[2]), 1) + '\u00b0');
  }
  for (const [m, km] of postiKm()) {
    const q = puntoA(m), r = puntoA(m + 20);
    if (!q || !r) continue;
    const x = k.px(q[0]), y = k.py(q[1]), dx = k.px(r[0]) - x, dy = k.py(r[1]) - y, n = Math.hypot(dx, dy) || 1;
    el(g, 'line', { class: 'tacca-km', x1: x - dy / n * 5, y1: y + dx / n * 5, x2: x + dy / n * 5, y2: y - dx / n * 5 });
  }
  const s0 = puntoA(0), s1 = puntoA(D.lunghezza);
  if (s0) infoDi(el(g, 'circle', { class: 'inizio', cx: k.px(s0[0]), cy: k.py(s0[1]), r: 6 }), 'Start of the line\n' + dove(0));
  if (s1) infoDi(el(g, 'rect', { class: 'fine', x: k.px(s1[0]) - 5, y: k.py(s1[1]) - 5, width: 10, height: 10 }),
                 'End of the line\n' + dove(D.lunghezza));
  D.segnali.forEach((s) => {
    const q = puntoA(s[0]); if (!q) return;
    infoDi(el(g, 'circle', { class: 'segnale segnale-pianta', cx: k.px(q[0]), cy: k.py(q[1]), r: 3.2 }), testoSegnale(s));
  });
  // Station labels: around the point, nearest first, on a free spot.
  const scatole = [], libero = (b) => b.x >= 0 && b.y >= 0 && b.x + b.w <= W && b.y + b.h <= H &&
    !scatole.some((c) => b.x < c.x + c.w && c.x < b.x + b.w && b.y < c.y + c.h && c.y < b.y + b.h) &&
    !D.traccia.some((p) => { const x = k.px(p[1]), y = k.py(p[2]); return x > b.x - 2 && x < b.x + b.w + 2 && y > b.y - 2 && y < b.y + b.h + 2; });
  D.stazioni.forEach((s, i) => {
    const q = puntoA(s.m); if (!q) return;
    const x = k.px(q[0]), y = k.py(q[1]);
    infoDi(el(g, 'circle', { class: (s.ferma ? 'stazione-ferma' : 'stazione-transito') + ' stazione-pianta', cx: x, cy: y, r: 5,
                             'data-stazione': i }), testoStazione(s));
    scatole.push({ x: x - 5, y: y - 5, w: 10, h: 10 });
  });
  D.stazioni.forEach((s, i) => {
    const q = puntoA(s.m); if (!q) return;
    const x = k.px(q[0]), y = k.py(q[1]);
    if (x < 0 || x > W || y < 0 || y > H) return;
    const testo = s.nome + (s.orario ? ' ' + s.orario : ''), w = testo.length * 7.4 + 4, h = 15;
    for (const d of [8, 22, 40, 62, 90]) {
      const e = d * 0.7071;
      const prove = [[x + d, y - h / 2], [x - d - w, y - h / 2], [x - w / 2, y - d - h], [x - w / 2, y + d],
                     [x + e, y - e - h], [x - e - w, y - e - h], [x + e, y + e], [x - e - w, y + e]];
      const b = prove.map((p) => ({ x: p[0], y: p[1], w, h })).find(libero);
      if (!b) continue;
      scatole.push(b);
      if (d > 8) el(g, 'line', { class: 'guida', x1: x, y1: y, x2: Math.min(Math.max(x, b.x), b.x + b.w), y2: Math.min(Math.max(y, b.y), b.y + b.h) });
      el(g, 'rect', { class: 'fondo', x: b.x, y: b.y, width: b.w, height: b.h });
      infoDi(el(g, 'text', { class: s.ferma ? 'nome-ferma' : 'nome-transito', x: b.x + 2, y: b.y + h - 4, 'data-stazione': i }, testo),
             testoStazione(s));
      break;
    }
  });
  if (cursore !== null) {
    const q = puntoA(cursore);
    if (q) el(g, 'circle', { class: 'punto-cursore', id: 'cursore-pianta', cx: k.px(q[0]), cy: k.py(q[1]), r: 9 });
  }
}

function postiKm() {
  const out = [];
  D.progressive.forEach((p, i) => {
    const m0 = Math.max(p[0], 0), m1 = Math.min(i + 1 < D.progressive.length ? D.progressive[i + 1][0] : D.lunghezza, D.lunghezza);
    if (!(m1 > m0)) return;
    const k0 = p[1] + (p[2] ? -(m0 - p[0]) : m0 - p[0]);
    for (let k = Math.ceil(Math.min(k0, k0 + (p[2] ? -1 : 1) * (m1 - m0)) / 1000); out.length < 5000; k++) {
      const m = m0 + Math.abs(k * 1000 - k0);
      if (k * 1000 > Math.max(k0, k0 + (p[2] ? -1 : 1) * (m1 - m0))) break;
      if (m < m1) out.push([m, k]);
    }
  });
  return out;
}

// The name and time that fit in `spazio` px at 10 px (7.2 px a capital): the time goes first, then the name is cut.
function nomeCorto(s, spazio) {
  const pieno = s.nome + (s.orario ? '  ' + s.orario : ''), quanti = Math.floor(spazio / 7.2);
  if (pieno.length <= quanti) return pieno;
  return s.nome.length <= quanti ? s.nome : s.nome.slice(0, Math.max(quanti - 1, 1)) + '\u2026';
}
function testoStazione(s) {
  return 'Station ' + s.nome + '\n' + (s.ferma ? 'stop' : 'no stop (passes)') + (s.orario ? ' at ' + s.orario : '') +
    '\nposition ' + dove(s.m) + '\nstop zone ' + fmt(s.da) + ' to ' + fmt(s.a) + ' m, type ' + s.tipo;
}
function testoSegnale(s) {
  return 'Signal, kind ' + s[1] + ' left, ' + s[2] + ' right' + (s[3] ? ', repetition ' + s[3] : '') +
    '\nposition ' + dove(s[0]) + '\nsettings ' + s[4] + ' / ' + s[5] + ' / ' + s[6] + (s[7] ? ', time ' + s[7] : '');
}

// The profile: rows from the top, as in the printed picture.
function disegnaProfilo() {
  profilo.textContent = '';
  const [W, H] = size(profilo);
  profilo.setAttribute('viewBox', '0 0 ' + W + ' ' + H);
  profilo.setAttribute('data-da', da.toFixed(0));
  profilo.setAttribute('data-a', a.toFixed(0));
  const sx = 70, dx = 14, larg = W - sx - dx;
  const X = (m) => sx + (m - da) / (a - da) * larg;
  // The rows share the drawing's height: names, speed, signposts, gradient, curves, axis.
  const nomi = Math.min(180, Math.max(120, H * 0.34)), resto = Math.max(H - nomi - 10 - 22 - 6 - 40, 150);
  const v0 = nomi + 10, vh = resto * 0.5, c0 = v0 + vh, p0 = c0 + 22, ph = resto * 0.32, k0 = p0 + ph + 6, kh = resto * 0.18, asse = k0 + kh;
  let vmax = 0, gmax = 5, cmax = 0;
  D.velocita.forEach((t) => vmax = Math.max(vmax, t[2]));
  D.pendenza.forEach((t) => gmax = Math.max(gmax, Math.abs(t[2])));
  D.curve.forEach((c) => cmax = Math.max(cmax, 1000 / c[3]));
  const vtop = Math.ceil((vmax + 25) / 20) * 20;
  const V = (v) => v0 + vh - v / vtop * vh, G = (g) => p0 + ph / 2 - g / gmax * (ph / 2 - 10);
  const C = (c) => k0 + kh / 2 - (cmax ? c / cmax * (kh / 2 - 2) : 0);
  const vis = (m0, m1) => m1 >= da && m0 <= a;
  const clip = el(el(profilo, 'defs', {}), 'clipPath', { id: 'dentro' });
  el(clip, 'rect', { x: sx, y: 0, width: larg, height: H });
  const g = el(profilo, 'g', {}), d = el(profilo, 'g', { 'clip-path': 'url(#dentro)' });
  for (const [y0, h] of [[v0, vh], [p0, ph], [k0, kh]]) el(g, 'rect', { class: 'cornice', x: sx, y: y0, width: larg, height: h });
  const st = passo(a - da, Math.max(2, Math.floor(larg / 90)));
  for (let m = Math.ceil(da / st) * st; m <= a + 1e-6; m += st) {
    el(g, 'line', { class: 'griglia', x1: X(m), x2: X(m), y1: v0, y2: asse });
    el(g, 'text', { class: 'tacca-asse', x: X(m), y: asse + 13, 'text-anchor': 'middle' }, fmt(m / 1000, 3));
  }
  let ultimo = sx - 30;  // clear of the row's name
  for (const [m, km] of postiKm()) {
    if (m < da || m > a) continue;
    el(g, 'line', { class: 'tacca-km', x1: X(m), x2: X(m), y1: asse, y2: asse + 3 });
    if (X(m) - ultimo > 60) { el(g, 'text', { class: 'progressiva', x: X(m), y: asse + 28, 'text-anchor': 'middle' }, 'km ' + km); ultimo = X(m); }
  }
  el(g, 'text', { x: sx - 4, y: asse + 13, 'text-anchor': 'end' }, 'km');
  el(g, 'text', { x: sx - 4, y: asse + 28, 'text-anchor': 'end', class: 'progressiva' }, 'posts');
  for (let v = 0; v <= vtop; v += passo(vtop, 5)) el(g, 'text', { x: sx - 4, y: V(v) + 4, 'text-anchor': 'end' }, v);
  el(g, 'text', { x: 4, y: v0 + 12 }, 'km/h');
  for (const q of [-gmax, 0, gmax]) el(g, 'text', { x: sx - 4, y: G(q) + 4, 'text-anchor': 'end' }, q + '\u2030');
  el(g, 'text', { x: sx - 4, y: k0 + 12, 'text-anchor': 'end' }, 'right');
  el(g, 'text', { x: sx - 4, y: k0 + kh - 3, 'text-anchor': 'end' }, 'left');
  el(g, 'line', { class: 'zero', x1: sx, x2: sx + larg, y1: G(0), y2: G(0) });
  el(g, 'line', { class: 'zero', x1: sx, x2: sx + larg, y1: C(0), y2: C(0) });
  D.montagna.forEach((t) => { if (vis(t[0], t[1])) infoDi(el(d, 'rect', { class: 'montagna', x: X(t[0]), y: v0, width: X(t[1]) - X(t[0]), height: asse - v0 }),
    'Mountain section, scenery ' + t[2] + '\nfrom ' + dove(t[0]) + '\nto ' + dove(t[1])); });
  D.pendenza.forEach((t) => {
    if (!t[2] || !vis(t[0], t[1])) return;
    const y = Math.min(G(0), G(t[2])), w = X(t[1]) - X(t[0]);
    infoDi(el(d, 'rect', { class: t[2] > 0 ? 'pendenza-su' : 'pendenza-giu', x: X(t[0]), y, width: w, height: Math.abs(G(t[2]) - G(0)) }),
      'Gradient ' + (t[2] > 0 ? '+' : '') + t[2] + ' \u2030\nfrom ' + dove(t[0]) + '\nto ' + dove(t[1]) + '\nlength ' + fmt(t[1] - t[0]) + ' m');
    if (w > 18) el(d, 'text', { x: X(t[0]) + w / 2, y: t[2] > 0 ? G(t[2]) - 3 : G(t[2]) + 11, 'text-anchor': 'middle' }, (t[2] > 0 ? '+' : '') + t[2]);
  });
  D.curve.forEach((c) => {
    if (!vis(c[0], c[1])) return;
    const k = 1000 / c[3], y = c[2] > 0 ? C(k) : C(0), w = Math.max(X(c[1]) - X(c[0]), 1);
    infoDi(el(d, 'rect', { class: c[2] > 0 ? 'curvatura-destra' : 'curvatura-sinistra', x: X(c[0]), y, width: w, height: Math.abs(C(k) - C(0)) }),
      'Curve ' + (c[2] > 0 ? 'right' : 'left') + '\nfrom ' + dove(c[0]) + '\nto ' + dove(c[1]) + '\nradius ' + fmt(c[3]) + ' m, ' + fmt(Math.abs(c[2]), 1) + '\u00b0');
    if (w > 34) el(d, 'text', { x: X(c[0]) + w / 2, y: c[2] > 0 ? C(0) + 11 : C(0) - 3, 'text-anchor': 'middle', 'font-size': 9 }, 'R' + fmt(c[3]));
  });
  D.stazioni.forEach((s, i) => {
    if (s.m < da || s.m > a) return;
    const x = X(s.m), gg = el(d, 'g', { class: 'stazione-profilo', 'data-stazione': i });
    el(gg, 'line', { class: s.ferma ? 'linea-ferma' : 'linea-transito', x1: x, x2: x, y1: v0 - 6, y2: asse });
    infoDi(el(gg, 'circle', { class: s.ferma ? 'stazione-ferma' : 'stazione-transito', cx: x, cy: v0 - 6, r: 4 }), testoStazione(s));
    infoDi(el(gg, 'text', { class: s.ferma ? 'nome-ferma' : 'nome-transito', 'font-size': 10, x: x + 4, y: v0 - 13, transform: 'rotate(-90 ' + (x + 4) + ' ' + (v0 - 13) + ')' },
      nomeCorto(s, nomi - 16)), testoStazione(s));
  });
  D.progressive.forEach((p) => {
    if (p[0] <= 0 || p[0] < da || p[0] > a) return;
    el(d, 'line', { class: 'linea-transito', x1: X(p[0]), x2: X(p[0]), y1: v0, y2: asse, stroke: '#53c' });
    el(d, 'text', { class: 'progressiva', x: X(p[0]) + 3, y: c0 + 16 }, posto(p[0]) + (p[2] ? ' \u2193' : ' \u2191'));
  });
  D.rallentamenti.forEach((r) => {
    if (!vis(r[0] - 1300, r[1])) return;
    infoDi(el(d, 'rect', { class: 'rallentamento', x: X(r[0]), y: V(r[3]), width: Math.max(X(r[1]) - X(r[0]), 2), height: V(0) - V(r[3]) }),
      'Slowdown to ' + r[3] + ' km/h\nfrom ' + dove(r[0]) + '\nlength ' + fmt(r[1] - r[0]) + ' m' + (r[2] >= 0 ? '\nwarning board at ' + dove(r[2]) : ''));
    el(d, 'text', { class: 'velocita-valore', x: X(r[0]), y: V(r[3]) - 4 }, r[3] + ' (' + fmt(r[1] - r[0]) + ' m)');
    if (r[2] >= 0) infoDi(el(d, 'path', { class: 'avviso-rallentamento', d: 'M' + X(r[2]) + ' ' + (V(0) - 12) + 'l5 10h-10z' }),
      'Slowdown warning board\n' + dove(r[2]) + '\nfor ' + r[3] + ' km/h at ' + dove(r[0]));
  });
  const punti = [];
  D.velocita.forEach((t) => {
    if (!vis(t[0], t[1])) return;
    punti.push(X(t[0]).toFixed(1) + ',' + V(t[2]).toFixed(1), X(t[1]).toFixed(1) + ',' + V(t[2]).toFixed(1));
    const x0 = Math.max(X(t[0]), sx), x1 = Math.min(X(t[1]), sx + larg);
    infoDi(el(d, 'line', { x1: X(t[0]), x2: X(t[1]), y1: V(t[2]), y2: V(t[2]), stroke: 'transparent', 'stroke-width': 8 }),
      'Speed limit ' + t[2] + ' km/h\nfrom ' + dove(t[0]) + '\nto ' + dove(t[1]));
    if (x1 - x0 > 24) el(d, 'text', { class: 'velocita-valore', x: (x0 + x1) / 2, y: V(t[2]) - 4, 'text-anchor': 'middle' }, t[2]);
  });
  el(d, 'polyline', { class: 'velocita', points: punti.join(' '), 'pointer-events': 'none' });
  let ultimoSegnale = -1e9, ultimoIndicatore = -1e9;
  D.cartelli.forEach((c) => { if (c[0] >= da && c[0] <= a) infoDi(el(d, 'rect', { class: 'cartello', x: X(c[0]) - 3, y: c0 + 3, width: 6, height: 9 }),
    'Signpost\n"' + c[1] + '"\n' + dove(c[0])); });
  D.indicatori.forEach((i) => { if (i[0] >= da && i[0] <= a) {
    infoDi(el(d, 'path', { class: 'indicatore', d: 'M' + X(i[0]) + ' ' + (V(0) - 30) + 'l5 6l-5 6l-5 -6z' }),
      'Speed indicator\n' + dove(i[0]) + '\nleft A/B/C ' + i[1] + '/' + i[2] + '/' + i[3] + ' km/h\nright A/B/C ' + i[4] + '/' + i[5] + '/' + i[6] + ' km/h\nstripes ' + i[7]);
    if (X(i[0]) - ultimoIndicatore >= 22) { el(d, 'text', { x: X(i[0]), y: V(0) - 6, 'text-anchor': 'middle', 'font-size': 9 }, i[1]); ultimoIndicatore = X(i[0]); }
  } });
  D.segnali.forEach((s) => {
    if (s[0] < da || s[0] > a) return;
    const x = X(s[0]);
    infoDi(el(d, 'path', { class: 'segnale segnale-profilo', d: 'M' + (x - 5) + ' ' + (v0 + 1) + 'h10l-5 10z' }), testoSegnale(s));
    if (x - ultimoSegnale >= 14) { el(d, 'text', { x, y: v0 + 20, 'text-anchor': 'middle', 'font-size': 9 }, s[1] + (s[2] ? '/' + s[2] : '')); ultimoSegnale = x; }
  });
  if (cursore !== null && cursore >= da && cursore <= a) el(d, 'line', { class: 'cursore', id: 'cursore-profilo', x1: X(cursore), x2: X(cursore), y1: v0 - 10, y2: asse });
  profilo._X = { sx, larg };
}

function disegna() {
  $('da-km').value = +(da / 1000).toFixed(3);
  $('a-km').value = +(a / 1000).toFixed(3);
  info = [];
  disegnaPianta();
  disegnaProfilo();
}
function mostra(m0, m1, piantaDaAdattare) {
  const span = Math.max(Math.min(m1 - m0, L), Math.min(200, L));
  m0 = Math.max(0, Math.min(m0, L - span));
  da = m0; a = m0 + span;
  if (piantaDaAdattare !== false) adattaPianta();
  disegna();
}
function zoom(f, centro) {
  const c = centro === undefined ? (da + a) / 2 : centro;
  mostra(c - (c - da) * f, c + (a - c) * f);
}
function sposta(fr) { const s = (a - da) * fr; mostra(da + s, a + s); }

// The plan moved by itself: the profile shows what the plan's window holds.
function seguiPianta() {
  const f = finestra;
  let m0 = Infinity, m1 = -Infinity;
  for (const p of D.traccia) if (p[1] >= f.x0 && p[1] <= f.x1 && p[2] >= f.y0 && p[2] <= f.y1) { m0 = Math.min(m0, p[0]); m1 = Math.max(m1, p[0]); }
  if (isFinite(m0) && m1 > m0) mostra(m0, m1, false); else disegna();
}
function zoomPianta(fatt, px, py) {
  const k = scalaPianta(), mx = k.mx(px), my = k.my(py), f = finestra;
  finestra = { x0: mx - (mx - f.x0) * fatt, x1: mx + (f.x1 - mx) * fatt, y0: my - (my - f.y0) * fatt, y1: my + (f.y1 - my) * fatt };
  seguiPianta();
}

function metroProfilo(ev) {
  const r = profilo.getBoundingClientRect(), X = profilo._X;
  return da + (ev.clientX - r.left - X.sx) / X.larg * (a - da);
}
function metroPianta(ev) {
  if (!finestra) return null;
  const r = pianta.getBoundingClientRect(), k = scalaPianta(), x = ev.clientX - r.left, y = ev.clientY - r.top;
  let best = null, bd = 30 * 30;
  for (const p of D.traccia) { const dx = k.px(p[1]) - x, dy = k.py(p[2]) - y, d2 = dx * dx + dy * dy; if (d2 < bd) { bd = d2; best = p[0]; } }
  return best;
}
function metticursore(m) {
  cursore = m;
  $('cursore-testo').textContent = m === null ? '' : 'cursor: ' + dove(m);
  disegnaPianta(); disegnaProfilo();
}

// Wheel, drag, hover and cursor on both drawings.
function trascina(svg, suMossa) {
  let da0 = null;
  svg.addEventListener('pointerdown', (e) => { da0 = [e.clientX, e.clientY]; svg.setPointerCapture(e.pointerId); });
  svg.addEventListener('pointerup', () => { da0 = null; });
  svg.addEventListener('pointermove', (e) => {
    if (!da0) return;
    const ddx = e.clientX - da0[0], ddy = e.clientY - da0[1];
    if (Math.abs(ddx) + Math.abs(ddy) < 2) return;
    da0 = [e.clientX, e.clientY];
    suMossa(ddx, ddy);
  });
}
profilo.addEventListener('wheel', (e) => { e.preventDefault(); zoom(e.deltaY > 0 ? 1.25 : 0.8, metroProfilo(e)); }, { passive: false });
pianta.addEventListener('wheel', (e) => {
  e.preventDefault();
  if (!finestra) return;
  const r = pianta.getBoundingClientRect();
  zoomPianta(e.deltaY > 0 ? 1.25 : 0.8, e.clientX - r.left, e.clientY - r.top);
}, { passive: false });
trascina(profilo, (ddx) => { const s = -ddx / profilo._X.larg * (a - da); mostra(da + s, a + s); });
trascina(pianta, (ddx, ddy) => {
  if (!finestra) return;
  const k = scalaPianta(), f = finestra;
  finestra = { x0: f.x0 - ddx / k.s, x1: f.x1 - ddx / k.s, y0: f.y0 + ddy / k.s, y1: f.y1 + ddy / k.s };
  seguiPianta();
});
profilo.addEventListener('mousemove', (e) => { const m = metroProfilo(e); if (m >= da && m <= a) metticursore(m); });
pianta.addEventListener('mousemove', (e) => { const m = metroPianta(e); if (m !== null) metticursore(m); });
document.addEventListener('mouseover', (e) => {
  const t = e.target.closest ? e.target.closest('[data-info]') : null;
  if (!t) { tip.style.display = 'none'; return; }
  tip.textContent = info[+t.getAttribute('data-info')] || '';
  tip.style.display = 'block';
});
document.addEventListener('mousemove', (e) => {
  if (tip.style.display !== 'block') return;
  tip.style.left = Math.min(e.clientX + 14, innerWidth - tip.offsetWidth - 4) + 'px';
  tip.style.top = Math.min(e.clientY + 14, innerHeight - tip.offsetHeight - 4) + 'px';
});
document.addEventListener('keydown', (e) => {
  if (e.target.tagName === 'INPUT') { if (e.key === 'Enter') vai(); return; }
  if (e.key === '+' || e.key === '=') zoom(0.8);
  else if (e.key === '-') zoom(1.25);
  else if (e.key === 'ArrowLeft') sposta(-0.2);
  else if (e.key === 'ArrowRight') sposta(0.2);
  else if (e.key === '0' || e.key === 'Home') mostra(0, L);
  else return;
  e.preventDefault();
});
function vai() {
  const m0 = parseFloat($('da-km').value) * 1000, m1 = parseFloat($('a-km').value) * 1000;
  if (isFinite(m0) && isFinite(m1) && m1 > m0) mostra(m0, m1);
}
$('vai').onclick = vai;
$('tutto').onclick = () => mostra(0, L);
$('ingrandisci').onclick = () => zoom(0.8);
$('riduci').onclick = () => zoom(1.25);
$('indietro').onclick = () => sposta(-0.2);
$('avanti').onclick = () => sposta(0.2);

$('titolo').textContent = 'Line ' + D.linea + ', train ' + D.treno;
const corpo = document.querySelector('#orario tbody');
D.stazioni.forEach((s, i) => {
  const r = document.createElement('tr');
  r.className = s.ferma ? 'ferma' : 'transito';
  r.setAttribute('data-stazione', i);
  for (const v of [s.nome, fmt(s.m / 1000, 3), posto(s.m), s.orario || '\u2013', s.ferma ? 'yes' : 'no']) {
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
window.addEventListener('resize', disegna);
// Printing lays the drawings out anew at the page's size.
window.addEventListener('beforeprint', disegna);
window.addEventListener('afterprint', disegna);
window.vistaStato = () => ({ da, a, finestra, cursore });
mostra(0, L);
})();
)JS";

}  // namespace scenario::tool
