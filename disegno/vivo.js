// The live page's own part, in a page served by `scenario-tool view --watch`,
// placed before the viewer's script: the pair's diagnostics listed beside the
// drawing, each opening the author's editor at its line, their positions
// handed to the viewer as marks, and the server's stream of change events.
// On a change the page loads itself again from the server and comes back at
// the range and plan window it showed, so the route, the timetable and the
// diagnostics are always those of one compile.
'use strict';
(function () {
const V = JSON.parse(document.getElementById('vivo').textContent);
const chiave = 'vista-viva';
const $ = (id) => document.getElementById(id);

// The view as it was before a reload, taken once.
try {
  const salvata = JSON.parse(sessionStorage.getItem(chiave) || 'null');
  sessionStorage.removeItem(chiave);
  if (salvata) window.vistaSalvata = salvata;
} catch { /* no storage: the page starts at the whole line */ }

// The editor's link for a place of the pair: the link pattern with the file's
// absolute path and the line; null when the author asked for none.
function collegamento(file, riga) {
  if (!V.editor) return null;
  const assoluto = V.percorsi[file] || file;
  return V.editor.split('{file}').join(encodeURI(assoluto)).split('{line}').join(String(riga || 1));
}
const luogo = (d) => d.file ? d.file + (d.line ? ':' + d.line : '') : '';

const tutte = V.faults.concat(V.warnings);
// Marks on the profile for the diagnostics that give a position on the line.
window.vistaSegni = tutte.filter((d) => d.position !== null).map((d) => ({
  m: d.position,
  testo: d.severity + (luogo(d) ? ' at ' + luogo(d) : '') + '\n' + d.message,
  editor: d.file ? collegamento(d.file, d.line) : null,
}));

const pannello = $('diagnostiche');
function el(padre, tag, classe, testo) {
  const e = document.createElement(tag);
  if (classe) e.className = classe;
  if (testo !== undefined) e.textContent = testo;
  padre.appendChild(e);
  return e;
}
el(pannello, 'h2', '', 'Diagnostics');
el(pannello, 'p', 'stato-vivo', V.stato).id = 'stato-vivo';
if (tutte.length === 0) el(pannello, 'p', 'nessuna', 'No errors or warnings.');
const elenco = el(pannello, 'ul', '');
for (const d of tutte) {
  const voce = el(elenco, 'li', 'diagnostica-voce ' + d.severity);
  if (luogo(d)) {
    const link = d.file ? collegamento(d.file, d.line) : null;
    if (link) {
      const a = el(voce, 'a', 'luogo', luogo(d));
      a.href = link;
    } else {
      // No editor link: the place as text, selected whole on a click, to copy.
      const s = el(voce, 'code', 'luogo', luogo(d));
      s.onclick = () => getSelection().selectAllChildren(s);
    }
  }
  el(voce, 'span', 'gravita', ' ' + d.severity + ': ');
  el(voce, 'span', 'messaggio', d.message);
  if (d.hint) el(voce, 'div', 'suggerimento-guasto', 'hint: ' + d.hint);
}
// Where the author wrote each object the viewer draws: the place as
// "file:line", its line and the editor's link there (null without an
// editor), for the object `i` of the route's list `tipo`; null when no entry
// is known.
window.vistaSorgente = (tipo, i) => {
  const s = V.sorgenti[tipo] && V.sorgenti[tipo][i];
  if (!s) return null;
  const file = V.file[s[0]];
  return { luogo: file + ':' + s[1], assoluto: (V.percorsi[file] || file) + ':' + s[1], riga: s[1], link: collegamento(file, s[1]) };
};
// Each station of the timetable (made by the viewer's script, after this
// one) tells where it stands in the train description, opening the editor there.
document.addEventListener('DOMContentLoaded', () => {
  const capo = document.querySelector('#orario thead tr');
  if (capo) el(capo, 'th', '', 'Source');
  for (const r of document.querySelectorAll('#orario tbody tr[data-stazione]')) {
    const sorgente = window.vistaSorgente('stazioni', +r.getAttribute('data-stazione')), c = el(r, 'td', 'sorgente');
    if (!sorgente) continue;
    const a = el(c, sorgente.link ? 'a' : 'code', 'luogo', 'line ' + sorgente.riga);
    if (sorgente.link) a.href = sorgente.link;
    else a.title = sorgente.assoluto;
    // The link opens the editor; the row's own click (centring the views) is not wanted then.
    a.addEventListener('click', (e) => e.stopPropagation());
  }
});

const stato = $('stato-vivo');
const fonte = new EventSource('/eventi');
fonte.onopen = () => { stato.classList.remove('scollegato'); stato.textContent = V.stato; };
fonte.onerror = () => { stato.classList.add('scollegato'); stato.textContent = 'The server does not answer; trying again.'; };
fonte.onmessage = (e) => {
  if (Number(e.data) === V.versione) return;
  fonte.close();
  try {
    const s = window.vistaStato();
    sessionStorage.setItem(chiave, JSON.stringify({ da: s.da, a: s.a, finestra: s.finestra }));
  } catch { /* no storage: the new page starts at the whole line */ }
  location.reload();
};
window.vistaVersione = V.versione;
})();
