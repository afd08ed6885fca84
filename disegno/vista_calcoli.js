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

  // The first index i in [0, n) for which prima(i) is false, prima being
  // true up to some index and false from there (n when it never is).
  function cerca(n, prima) {
    let lo = 0, hi = n;
    while (lo < hi) {
      const mid = (lo + hi) >> 1;
      if (prima(mid)) lo = mid + 1; else hi = mid;
    }
    return lo;
  }
  // In a list sorted by its items' first value: the first index whose value
  // is not below m, the first whose value is above m.
  function primoDa(lista, m) { return cerca(lista.length, (i) => lista[i][0] < m); }
  function primoOltre(lista, m) { return cerca(lista.length, (i) => lista[i][0] <= m); }
  // The items of a sorted list whose first value lies in [m0, m1].
  function nelTratto(lista, m0, m1) { return lista.slice(primoDa(lista, m0), primoOltre(lista, m1)); }
  // The index range [i0, i1) of a list of stretches [from, to, ...], sorted
  // and not overlapping, that holds every stretch reaching into [m0, m1].
  function trattiIn(lista, m0, m1) {
    return [Math.max(cerca(lista.length, (i) => lista[i][1] < m0), 0), primoOltre(lista, m1)];
  }

  // The stretch of a sorted list of stretches [from, to, ...] that holds line
  // position m; null when none does.
  function trattoA(lista, m) {
    const [i0, i1] = trattiIn(lista, m, m);
    for (let i = i0; i < i1; i++) if (lista[i][0] <= m && m <= lista[i][1]) return lista[i];
    return null;
  }
  // The item of a sorted list nearest position m, if within `raggio` of it.
  function vicino(lista, m, raggio) {
    const i = primoDa(lista, m);
    let meglio = null;
    for (const j of [i - 1, i]) {
      if (j >= 0 && j < lista.length && Math.abs(lista[j][0] - m) <= raggio && (!meglio || Math.abs(lista[j][0] - m) < Math.abs(meglio[0] - m))) meglio = lista[j];
    }
    return meglio;
  }

  // The track as the page carries it (one flat list: the first sample's
  // position in m and point in cm, then each sample's differences from the
  // one before) made into columns: positions m, points x and y in m.
  function decodificaTraccia(piatta) {
    const n = Math.floor(piatta.length / 3);
    const t = { n, m: new Float64Array(n), x: new Float64Array(n), y: new Float64Array(n) };
    let m = 0, x = 0, y = 0;
    for (let i = 0; i < n; i++) {
      m += piatta[3 * i]; x += piatta[3 * i + 1]; y += piatta[3 * i + 2];
      t.m[i] = m; t.x[i] = x / 100; t.y[i] = y / 100;
    }
    return t;
  }
  // How many samples of a track to step over at a time when one pixel holds
  // `metri` m: so many that the samples looked at stay about half a pixel apart.
  function saltoPer(t, metri) {
    if (t.n < 2) return 1;
    const campione = (t.m[t.n - 1] - t.m[0]) / (t.n - 1);
    return Math.max(1, Math.floor(metri / 2 / campione));
  }
  // The first sample of a track at or after position m; the first after m.
  function campioneDa(t, m) { return cerca(t.n, (i) => t.m[i] < m); }
  function campioneOltre(t, m) { return cerca(t.n, (i) => t.m[i] <= m); }

  // The track's point at a line position, by interpolation between samples;
  // past the line's end the margin's samples. Null without any.
  function puntoA(traccia, margine, lunghezza, m) {
    const t = m <= lunghezza || !margine.n ? traccia : margine;
    if (!t.n) return null;
    const hi = t.n - 1;
    if (m <= t.m[0]) return [t.x[0], t.y[0]];
    if (m >= t.m[hi]) return [t.x[hi], t.y[hi]];
    const dopo = campioneDa(t, m), prima = t.m[dopo] === m ? dopo : dopo - 1;
    const f = (m - t.m[prima]) / (t.m[dopo] - t.m[prima] || 1);
    return [t.x[prima] + f * (t.x[dopo] - t.x[prima]), t.y[prima] + f * (t.y[dopo] - t.y[prima])];
  }

  // The plan window {x0, y0, x1, y1} that shows the track between line
  // positions da and a: their extent plus a tenth, at least 220 m a side,
  // null when the track has no point there.
  function finestraPer(traccia, margine, lunghezza, da, a) {
    let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
    const usa = (x, y) => { x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y); };
    const X = traccia.x, Y = traccia.y;
    for (let i = campioneDa(traccia, da), fine = campioneOltre(traccia, a); i < fine; i++) {
      if (X[i] < x0) x0 = X[i];
      if (X[i] > x1) x1 = X[i];
      if (Y[i] < y0) y0 = Y[i];
      if (Y[i] > y1) y1 = Y[i];
    }
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

  // The samples [i0, i1) of a track as the screen shows them: in pixels
  // through the plan's scale k, cut to the W x H drawing (a segment stays when
  // it may cross it, so a run leaving the drawing ends on its edge), and
  // thinned to one point per pixel (a point closer than that to the last kept
  // one is left out, unless a run ends on it). Only every `salto`-th sample is
  // looked at (and the last), for a view where many samples share a pixel.
  // Returns the runs, each a list x, y, x, y ... in px, and the indices of the
  // kept samples.
  function tracciaVisibile(t, i0, i1, k, W, H, salto) {
    const ogni = Math.max(1, Math.floor(salto || 1));
    const runs = [], indici = [];
    const bordo = 4;
    const codice = (x, y) => (x < -bordo ? 1 : 0) | (x > W + bordo ? 2 : 0) | (y < -bordo ? 4 : 0) | (y > H + bordo ? 8 : 0);
    let run = null, lx = 0, ly = 0, px = 0, py = 0, pc = 15, pi = -1, saltato = false;
    for (let i = i0; i < i1; i = i + ogni < i1 || i === i1 - 1 ? i + ogni : i1 - 1) {
      const x = k.px(t.x[i]), y = k.py(t.y[i]), c = codice(x, y);
      if (pi >= 0 && (pc & c) === 0) {
        // The segment from the previous sample may show.
        if (!run) { run = [px, py]; indici.push(pi); runs.push(run); lx = px; ly = py; saltato = false; }
        if (Math.abs(x - lx) >= 1 || Math.abs(y - ly) >= 1 || c !== 0) {
          run.push(x, y); indici.push(i); lx = x; ly = y; saltato = false;
        } else {
          saltato = true;
        }
      } else if (run) {
        if (saltato) { run.push(px, py); indici.push(pi); }
        run = null;
      }
      px = x; py = y; pc = c; pi = i;
    }
    if (run && saltato) { run.push(px, py); indici.push(pi); }
    return { runs, indici };
  }

  // Points in buckets of `lato` px, to ask quickly whether a label's box
  // would cover any of them.
  function griglia(lato) {
    const celle = new Map();
    const chiave = (cx, cy) => cx * 100003 + cy;
    return {
      aggiungi(x, y) {
        const c = chiave(Math.floor(x / lato), Math.floor(y / lato));
        let l = celle.get(c);
        if (!l) celle.set(c, l = []);
        l.push(x, y);
      },
      // Whether a point lies strictly inside the box x0 < x < x1, y0 < y < y1.
      tocca(x0, y0, x1, y1) {
        for (let cx = Math.floor(x0 / lato); cx <= Math.floor(x1 / lato); cx++) {
          for (let cy = Math.floor(y0 / lato); cy <= Math.floor(y1 / lato); cy++) {
            const l = celle.get(chiave(cx, cy));
            if (!l) continue;
            for (let j = 0; j < l.length; j += 2) if (l[j] > x0 && l[j] < x1 && l[j + 1] > y0 && l[j + 1] < y1) return true;
          }
        }
        return false;
      },
    };
  }

  // Of the stretches [i0, i1) of a list, those to draw at the screen's detail:
  // where several fall within one pixel column (through X, m to px) only the
  // one of the largest |peso| is kept. Returns the kept indices.
  function perColonna(lista, i0, i1, X, peso) {
    const out = [];
    let colonna = -Infinity, stretto = false;  // the last kept one's column, and whether it is within it
    for (let i = i0; i < i1; i++) {
      const t = lista[i], c0 = Math.floor(X(t[0])), c1 = Math.floor(X(t[1]));
      if (c0 === c1 && stretto && c0 === colonna) {
        if (Math.abs(peso(t)) > Math.abs(peso(lista[out[out.length - 1]]))) out[out.length - 1] = i;
        continue;
      }
      out.push(i);
      colonna = c1;
      stretto = c0 === c1;
    }
    return out;
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

  // The line position where the kilometre post `valore` (m) stands: in the
  // first post system that holds it; null when none does.
  function metroDaPosto(progressive, lunghezza, valore) {
    for (let i = 0; i < progressive.length; i++) {
      const p = progressive[i], m0 = Math.max(p[0], 0);
      const m1 = Math.min(i + 1 < progressive.length ? progressive[i + 1][0] : lunghezza, lunghezza);
      const k0 = p[1] + (p[2] ? -(m0 - p[0]) : m0 - p[0]);
      const m = m0 + (p[2] ? k0 - valore : valore - k0);
      if (m >= m0 && m <= m1) return m;
    }
    return null;
  }
  // What a from/to field holds, as a line position in m: km from the start
  // ("21.3"), or a kilometre post ("26+500", "km 26+500"); NaN when neither.
  function metroDaCampo(progressive, lunghezza, testo) {
    const post = /^\s*(?:km\s*)?(-?)(\d+)\+(\d{1,3})\s*$/.exec(testo);
    if (post) {
      const m = metroDaPosto(progressive, lunghezza, (post[1] ? -1 : 1) * (+post[2] * 1000 + +post[3]));
      return m === null ? NaN : m;
    }
    return /^\s*-?\d+(\.\d*)?\s*$/.test(testo) ? parseFloat(testo) * 1000 : NaN;
  }

  // The altitude along the line, from the gradients (per mille) of the sorted
  // stretches [from, to, gradient], relative to the first stretch's start:
  // [position m, height m] at each stretch's start and the last one's end.
  function altimetria(pendenza) {
    const out = [];
    let h = 0;
    for (const t of pendenza) {
      if (!out.length || out[out.length - 1][0] !== t[0]) out.push([t[0], h]);
      h += t[2] * (t[1] - t[0]) / 1000;
      out.push([t[1], h]);
    }
    return out;
  }

  // The height at line position m along an altitude line (altimetria's
  // points), by interpolation; the first or last height beyond its ends.
  function quotaA(quote, m) {
    const i = primoDa(quote, m);
    if (i === 0) return quote.length ? quote[0][1] : 0;
    if (i === quote.length) return quote[i - 1][1];
    const [m0, h0] = quote[i - 1], [m1, h1] = quote[i];
    return m1 === m0 ? h1 : h0 + (h1 - h0) * (m - m0) / (m1 - m0);
  }

  // About how wide a text is at `corpo` px in the page's sans-serif face:
  // 0.6 em a character, generous for capitals and digits.
  function larghezzaTesto(testo, corpo) { return Math.ceil(testo.length * 0.6 * corpo) + 2; }

  // The station's name and time that fit in `spazio` px at 10 px (7.2 px a
  // capital): the time goes first, then the name is cut.
  function nomeCorto(s, spazio) {
    const pieno = s.nome + (s.orario ? '  ' + s.orario : ''), quanti = Math.floor(spazio / 7.2);
    if (pieno.length <= quanti) return pieno;
    return s.nome.length <= quanti ? s.nome : s.nome.slice(0, Math.max(quanti - 1, 1)) + '\u2026';
  }

  function testoStazione(progressive, s) {
    return 'Station ' + s.nome + '\n' + (s.ferma ? 'stop' : 'no stop (passes)') + (s.orario ? ' at ' + s.orario : '') +
      (s.sosta ? ', dwell ' + s.sosta + ' s' : '') +
      '\nposition ' + dove(progressive, s.m) + '\nstop zone ' + fmt(s.da) + ' to ' + fmt(s.a) + ' m, type ' + s.tipo;
  }
  function testoSegnale(progressive, s) {
    return 'Signal, kind ' + s[1] + ' left, ' + s[2] + ' right' + (s[3] ? ', repetition ' + s[3] : '') +
      '\nposition ' + dove(progressive, s[0]) + '\nsettings ' + s[4] + ' / ' + s[5] + ' / ' + s[6] + (s[7] ? ', time ' + s[7] : '');
  }

  return { fmt, posto, dove, passo, postiKm, cerca, primoDa, primoOltre, nelTratto, trattiIn, trattoA, vicino, decodificaTraccia,
           saltoPer, campioneDa, campioneOltre, puntoA, finestraPer, scalaPianta, tracciaVisibile, griglia, perColonna, sovrapposti,
           posaEtichetta, nomeCorto, testoStazione, testoSegnale, altimetria, quotaA, larghezzaTesto, metroDaPosto, metroDaCampo };
})();
if (typeof module === 'object' && module.exports) module.exports = calcoli;
