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
// Each station of the timetable (made by the viewer's script, after this
// one) tells where it stands in the train description, opening the editor there.
document.addEventListener('DOMContentLoaded', () => {
  const capo = document.querySelector('#orario thead tr');
  if (capo) el(capo, 'th', '', 'Source');
  for (const r of document.querySelectorAll('#orario tbody tr[data-stazione]')) {
    const riga = V.stazioni[+r.getAttribute('data-stazione')], c = el(r, 'td', 'sorgente');
    if (!riga) continue;
    const link = collegamento(V.treno, riga);
    const a = el(c, link ? 'a' : 'code', 'luogo', 'line ' + riga);
    if (link) a.href = link;
    else a.title = (V.percorsi[V.treno] || V.treno) + ':' + riga;
    // The link opens the editor; the row's own click (centring the views) is not wanted then.
    a.addEventListener('click', (e) => e.stopPropagation());
  }
});
// A click on a mark that has an editor link opens it.
document.addEventListener('click', (e) => {
  const t = e.target.closest && e.target.closest('[data-editor]');
  if (t) location.href = t.getAttribute('data-editor');
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
