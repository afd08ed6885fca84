// The viewer page's arithmetic, apart from the page: number and position
// texts, tick steps, kilometre posts, the track's point at a position, ranges
// of sorted lists, the plan's window and scale, and where a label goes. No
// function here touches the document, so node's test runner loads this file
// as it is (disegno/vista_calcoli_test.cjs) and the page runs the same text.
'use strict';
const calcoli = (function () {
  // A number with at most `decimali` decimals (none by default), thousands
  // grouped with commas: 21300 -> "21,300", 1.25 with 1 -> "1.3". Never "-0".
  // Written by hand rather than with toLocaleString, which is slow enough to
  // show when the page labels thousands of marks.
  function fmt(v, decimali) {
    const d = decimali === undefined ? 0 : decimali;
    const s = Math.abs(v).toFixed(d);
    const punto = s.indexOf('.');
    let intero = punto < 0 ? s : s.slice(0, punto);
    const frazione = punto < 0 ? '' : s.slice(punto + 1).replace(/0+$/, '');
    for (let i = intero.length - 3; i > 0; i -= 3) intero = intero.slice(0, i) + ',' + intero.slice(i);
    const testo = intero + (frazione ? '.' + frazione : '');
    return v < 0 && /[1-9]/.test(testo) ? '-' + testo : testo;
  }

  // The kilometre post at line position m: "km 26+500", after the last
  // post system that begins at or before m (each is [start m, post at the
  // start in m, 1 when the posts count down]); "m" units before any.
  function posto(progressive, m) {
    let s = null;
    for (const p of progressive) if (p[0] <= m) s = p;
    if (!s) return Math.round(m) + ' m';
    const k = Math.round(s[1] + (s[2] ? -(m - s[0]) : (m - s[0])));
    const v = Math.abs(k);
    return 'km ' + (k < 0 ? '-' : '') + Math.floor(v / 1000) + '+' + String(v % 1000).padStart(3, '0');
  }
  function dove(progressive, m) { return fmt(m) + ' m (' + posto(progressive, m) + ')'; }

  // A round step (1, 2 or 5 times a power of ten) that cuts `span` into at
  // most about `quante` parts.
  function passo(span, quante) {
    const g = span / quante, p = Math.pow(10, Math.floor(Math.log10(g)));
    for (const f of [1, 2, 5, 10]) if (f * p >= g) return f * p;
    return 10 * p;
  }

  // Every whole kilometre post on the line: [line position m, post in km].
  function postiKm(progressive, lunghezza) {
    const out = [];
    progressive.forEach((p, i) => {
      const m0 = Math.max(p[0], 0);
      const m1 = Math.min(i + 1 < progressive.length ? progressive[i + 1][0] : lunghezza, lunghezza);
      if (!(m1 > m0)) return;
      const k0 = p[1] + (p[2] ? -(m0 - p[0]) : m0 - p[0]);
      const k1 = k0 + (p[2] ? -1 : 1) * (m1 - m0);
      for (let k = Math.ceil(Math.min(k0, k1) / 1000); out.length < 5000; k++) {
        const m = m0 + Math.abs(k * 1000 - k0);
        if (k * 1000 > Math.max(k0, k1)) break;
        if (m < m1) out.push([m, k]);
      }
    });
    return out;
  }

  // The first index of a list sorted by its items' first value whose first
  // value is not below m (the list's length when there is none).
  function primoDa(lista, m) { return cerca(lista, (v) => v < m); }
  // The first index whose first value is above m.
  function primoOltre(lista, m) { return cerca(lista, (v) => v <= m); }
  function cerca(lista, prima) {
    let lo = 0, hi = lista.length;
    while (lo < hi) {
      const mid = (lo + hi) >> 1;
      if (prima(lista[mid][0])) lo = mid + 1; else hi = mid;
    }
    return lo;
  }
  // The items of a sorted list whose first value lies in [m0, m1].
  function nelTratto(lista, m0, m1) { return lista.slice(primoDa(lista, m0), primoOltre(lista, m1)); }

  // The track's point at a line position, by interpolation between samples
  // [m, x, y]; past the line's end the margin's samples. Null without any.
  function puntoA(traccia, margine, lunghezza, m) {
    const t = m <= lunghezza || !margine.length ? traccia : margine;
    if (!t.length) return null;
    const hi = t.length - 1;
    if (m <= t[0][0]) return [t[0][1], t[0][2]];
    if (m >= t[hi][0]) return [t[hi][1], t[hi][2]];
    const dopo = primoDa(t, m), prima = t[dopo][0] === m ? dopo : dopo - 1;
    const p = t[prima], q = t[Math.max(dopo, prima)];
    const f = (m - p[0]) / (q[0] - p[0] || 1);
    return [p[1] + f * (q[1] - p[1]), p[2] + f * (q[2] - p[2])];
  }

  // The plan window {x0, y0, x1, y1} that shows the track between line
  // positions da and a: their extent plus a tenth, at least 220 m a side,
  // null when the track has no point there.
  function finestraPer(traccia, margine, lunghezza, da, a) {
    let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
    const usa = (x, y) => { x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y); };
    for (const p of nelTratto(traccia, da, a)) usa(p[1], p[2]);
    for (const m of [da, a]) { const q = puntoA(traccia, margine, lunghezza, m); if (q) usa(q[0], q[1]); }
    if (!isFinite(x0)) return null;
    const cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const w = Math.max(x1 - x0, 200) * 1.1, h = Math.max(y1 - y0, 200) * 1.1;
    return { x0: cx - w / 2, x1: cx + w / 2, y0: cy - h / 2, y1: cy + h / 2 };
  }

  // The plan's pixel mapping in a W x H drawing: equal scales, the window
  // centred, north up; mx and my map back.
  function scalaPianta(W, H, f) {
    const s = Math.min(W / (f.x1 - f.x0), H / (f.y1 - f.y0));
    const cx = (f.x0 + f.x1) / 2, cy = (f.y0 + f.y1) / 2;
    return { W, H, s, px: (x) => W / 2 + (x - cx) * s, py: (y) => H / 2 - (y - cy) * s,
             mx: (px) => cx + (px - W / 2) / s, my: (py) => cy - (py - H / 2) / s };
  }

  function sovrapposti(b, c) { return b.x < c.x + c.w && c.x < b.x + b.w && b.y < c.y + c.h && c.y < b.y + b.h; }

  // Where a w x h label of the point (x, y) goes: around the point, nearest
  // first (right, left, above, below, then the diagonals), the first box
  // that `libero` accepts; null when none is.
  function posaEtichetta(x, y, w, h, libero) {
    for (const d of [8, 22, 40, 62, 90]) {
      const e = d * 0.7071;
      const prove = [[x + d, y - h / 2], [x - d - w, y - h / 2], [x - w / 2, y - d - h], [x - w / 2, y + d],
                     [x + e, y - e - h], [x - e - w, y - e - h], [x + e, y + e], [x - e - w, y + e]];
      for (const p of prove) {
        const b = { x: p[0], y: p[1], w, h };
        if (libero(b)) return { box: b, lontano: d > 8 };
      }
    }
    return null;
  }

  // The station's name and time that fit in `spazio` px at 10 px (7.2 px a
  // capital): the time goes first, then the name is cut.
  function nomeCorto(s, spazio) {
    const pieno = s.nome + (s.orario ? '  ' + s.orario : ''), quanti = Math.floor(spazio / 7.2);
    if (pieno.length <= quanti) return pieno;
    return s.nome.length <= quanti ? s.nome : s.nome.slice(0, Math.max(quanti - 1, 1)) + '\u2026';
  }

  function testoStazione(progressive, s) {
    return 'Station ' + s.nome + '\n' + (s.ferma ? 'stop' : 'no stop (passes)') + (s.orario ? ' at ' + s.orario : '') +
      '\nposition ' + dove(progressive, s.m) + '\nstop zone ' + fmt(s.da) + ' to ' + fmt(s.a) + ' m, type ' + s.tipo;
  }
  function testoSegnale(progressive, s) {
    return 'Signal, kind ' + s[1] + ' left, ' + s[2] + ' right' + (s[3] ? ', repetition ' + s[3] : '') +
      '\nposition ' + dove(progressive, s[0]) + '\nsettings ' + s[4] + ' / ' + s[5] + ' / ' + s[6] + (s[7] ? ', time ' + s[7] : '');
  }

  return { fmt, posto, dove, passo, postiKm, primoDa, primoOltre, nelTratto, puntoA, finestraPer, scalaPianta, sovrapposti,
           posaEtichetta, nomeCorto, testoStazione, testoSegnale };
})();
if (typeof module === 'object' && module.exports) module.exports = calcoli;
