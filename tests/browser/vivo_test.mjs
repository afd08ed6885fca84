// `scenario-tool view LINE TRAIN --watch` driven as an author uses it: the
// scenario's own pair served live, the page open in headless Chromium, the
// line description edited under it; then the server asked as a foreign site
// would ask it, and stopped with SIGINT.
//
// usage: node vivo_test.mjs SCENARIO_TOOL
import assert from 'node:assert/strict';
import { spawn, execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { apriChromium, apriPagina, esegui } from './chromium.mjs';

const strumento = path.resolve(process.argv[2]);
const cartella = fs.mkdtempSync(path.join(os.tmpdir(), 'vista-viva-'));
execFileSync(strumento, ['example', '-o', cartella]);
const linea = path.join(cartella, 'MilanoPGen-Alessandria_linea.txt');
const treno = path.join(cartella, 'MilanoPGen-Alessandria_2635-.txt');
const originale = fs.readFileSync(linea, 'latin1');
// Line 140 of the scenario's line description (CR LF lines) is the signpost at 75450 m.
const righe = originale.split('\r\n');
assert.equal(righe[139], 'cartello_indicatore,  75450,     (Galleria)(VALENZA)');
const conRighe = (r) => r.join('\r\n');
const scrivi = (testo) => fs.writeFileSync(linea, testo, 'latin1');

const server = spawn(strumento, ['view', linea, treno, '--watch'], { stdio: ['ignore', 'pipe', 'pipe'] });
let errore = '';
server.stderr.on('data', (d) => { errore += d; });
const finito = new Promise((fatto) => server.on('exit', (codice, segnale) => fatto({ codice, segnale })));
const indirizzo = await new Promise((fatto, rotto) => {
  let uscita = '';
  server.stdout.on('data', (d) => {
    uscita += d;
    const m = /^http:\/\/127\.0\.0\.1:(\d+)\/$/m.exec(uscita);
    if (m) fatto(m[0]);
  });
  setTimeout(() => rotto(new Error('no address printed in 10 s; stderr: ' + errore)), 10000);
});
const porta = Number(new URL(indirizzo).port);

// One request with the Host header given, answered with its status and body.
function chiedi(percorso, host) {
  return new Promise((fatto, rotto) => {
    const r = http.request({ host: '127.0.0.1', port: porta, path: percorso, headers: { Host: host } }, (risposta) => {
      let corpo = '';
      risposta.on('data', (d) => { corpo += d; });
      risposta.on('end', () => fatto({ stato: risposta.statusCode, corpo }));
    });
    r.on('error', rotto);
    r.end();
  });
}

const { browser, chiudi } = await apriChromium();
const { page, errori, richieste } = await apriPagina(browser, indirizzo, { locale: true });
const testi = (sel) => page.$$eval(sel, (t) => t.map((e) => e.textContent));
const intervallo = () => page.evaluate(() => { const s = window.vistaStato(); return [s.da, s.a]; });
async function mostra(da, a) {
  await page.$eval('#da-km', (i, v) => { i.value = v; }, da);
  await page.$eval('#a-km', (i, v) => { i.value = v; }, a);
  await page.click('#vai');
}
// Writes the line description and waits, at most 1 s, until the page
// satisfies `pronta` (a function of the page's document).
async function modifica(testo, pronta) {
  const inizio = Date.now();
  scrivi(testo);
  await page.waitForFunction(pronta, { timeout: 1000, polling: 20 });
  return Date.now() - inizio;
}

const casi = [];
const caso = (nome, corpo) => casi.push({ nome, corpo });

caso('the page lists the pair\'s two warnings, each at its file and line', async () => {
  assert.match(await page.$eval('#stato-vivo', (e) => e.textContent), /^Version 1\. Compiled with warnings\.$/);
  const luoghi = await testi('#diagnostiche .luogo');
  assert.deepEqual(luoghi, [linea + ':47', treno + ':31']);
});

caso('each station of the timetable opens the editor at its entry in the train description', async () => {
  // VALENZA's entry, found in the text itself.
  const riga = fs.readFileSync(treno, 'latin1').split('\r\n').findIndex((r) => /^stazione,.*VALENZA$/.test(r)) + 1;
  assert.ok(riga > 0);
  const valenza = await page.$$eval('#orario tbody tr', (righe) => righe
    .filter((r) => r.firstChild.textContent === 'VALENZA')
    .map((r) => r.querySelector('.sorgente a').getAttribute('href')));
  assert.deepEqual(valenza, ['vscode://file/' + encodeURI(treno) + ':' + riga]);
  assert.equal(await page.$$eval('#orario tbody .sorgente a', (a) => a.length), 16);
});

caso('a click on any drawn object opens the editor at the entry that made it', async () => {
  await mostra('70', '80');
  const editor = (file, riga) => 'vscode://file/' + encodeURI(file) + ':' + riga;
  const collegamento = (sel, testo) => page.$$eval(sel, (e, t) => e.filter((x) => t === undefined || x.textContent === t)
    .map((x) => x.getAttribute('data-editor')), testo);
  // Marks drawn one by one carry their link; the line numbers are those of the pair's texts.
  assert.deepEqual(await collegamento('#profilo .cartello-testo', '(Galleria)(VALENZA)'), [editor(linea, 140)]);
  assert.deepEqual(await collegamento('#pianta .montagna-pianta'), [editor(linea, 75)]);
  const valenza = await page.$eval('#orario tbody tr:nth-child(14)', (r) => r.getAttribute('data-stazione'));
  assert.deepEqual(await collegamento('#profilo .stazione-profilo[data-stazione="' + valenza + '"] circle'), [editor(treno, 32)]);
  // The signal at 74000 m is line 61 of the train description.
  let segnale = null;
  for (const s of await page.$$('#profilo .segnale-profilo')) {
    await s.hover();
    if ((await page.$eval('#suggerimento', (t) => t.textContent)).includes('position 74,000 m')) segnale = await s.evaluate((e) => e.getAttribute('data-editor'));
  }
  assert.equal(segnale, editor(treno, 61));
  // Painted rows, found by position: the gradient of -4 from 75500 m (line
  // 69) and the curve of 250 m from 75450 m (line 42) at 75600 m. The
  // tooltip tells the place and holds the link a click follows.
  const { righe } = await page.evaluate(() => window.vistaStato());
  const r = await page.$eval('#profilo', (s) => { const q = s.getBoundingClientRect(); return [q.left, q.top]; });
  const x = r[0] + righe.sx + (75600 - 70000) / 10000 * righe.larg;
  for (const [y, riga] of [[righe.p0 + righe.ph / 2, 69], [righe.k0 + righe.kh / 2, 42]]) {
    await page.mouse.move(x, r[1] + y);
    const tip = await page.$eval('#suggerimento', (t) => [t.textContent.split('\n').pop(), t.getAttribute('data-editor')]);
    assert.deepEqual(tip, [linea + ':' + riga + ' (click to edit)', editor(linea, riga)]);
  }
});

caso('a saved edit of the line shows within 1 s, at the same zoom', async () => {
  await mostra('70', '80');
  const prima = await intervallo();
  assert.deepEqual(prima, [70000, 80000]);
  assert.ok((await testi('#profilo .cartello-testo')).includes('(Galleria)(VALENZA)'));
  const r = righe.slice();
  r[139] = 'cartello_indicatore,  75450,     (Galleria)(NUOVA)';
  const ms = await modifica(conRighe(r), () =>
    [...document.querySelectorAll('#profilo .cartello-testo')].some((t) => t.textContent === '(Galleria)(NUOVA)'));
  console.log('  the edit shown after ' + ms + ' ms');
  assert.deepEqual(await intervallo(), prima);
  assert.match(await page.$eval('#stato-vivo', (e) => e.textContent), /^Version [2-9]/);
});

caso('a faulty edit shows its diagnostic and its mark; fixing it clears both', async () => {
  // A second signpost in the cell of the one at 75450 m, as line 141.
  const r = righe.slice();
  r.splice(140, 0, 'cartello_indicatore,  75460,  X');
  await modifica(conRighe(r), () => document.querySelector('#diagnostiche .error') !== null);
  const voce = await page.$eval('#diagnostiche .error', (e) => ({
    luogo: e.querySelector('.luogo').textContent,
    link: e.querySelector('.luogo').getAttribute('href'),
    messaggio: e.querySelector('.messaggio').textContent,
    suggerimento: e.querySelector('.suggerimento-guasto').textContent,
  }));
  assert.equal(voce.luogo, linea + ':141');
  assert.equal(voce.link, 'vscode://file/' + encodeURI(linea) + ':141');
  assert.match(voce.messaggio, /signpost cell is not free/);
  assert.match(voce.suggerimento, /^hint: .*already holds the signpost at .*:140/);
  // Its mark on the profile, at 75460 m, opens the editor at that line too.
  const segno = await page.$eval('#profilo .diagnostica', (e) => e.getAttribute('data-editor'));
  assert.equal(segno, voce.link);
  assert.deepEqual(await intervallo(), [70000, 80000]);
  await modifica(originale, () => document.querySelector('#diagnostiche .error') === null);
  assert.equal(await page.$$eval('#profilo .diagnostica', (e) => e.length), 0);
  assert.ok((await testi('#profilo .cartello-testo')).includes('(Galleria)(VALENZA)'));
});

caso('only this server\'s own address is answered, and only the page and its events', async () => {
  const foreign = await chiedi('/', 'rebound.example:' + porta);
  assert.equal(foreign.stato, 403);
  assert.doesNotMatch(foreign.corpo, /<html|Galleria/);
  assert.equal((await chiedi('/', 'localhost:' + porta)).stato, 200);
  for (const percorso of ['/MilanoPGen-Alessandria_linea.txt', '/' + path.basename(cartella) + '/', '/..%2f..%2fetc%2fpasswd']) {
    const r = await chiedi(percorso, '127.0.0.1:' + porta);
    assert.equal(r.stato, 404, percorso);
    assert.doesNotMatch(r.corpo, /Galleria|MilanoPGen/);
  }
});

caso('the page made no request outside the server and logged no error', async () => {
  assert.deepEqual(richieste, []);
  assert.deepEqual(errori, []);
});

caso('SIGINT stops the server cleanly', async () => {
  await chiudi();
  server.kill('SIGINT');
  const fine = await Promise.race([finito, new Promise((f) => setTimeout(() => f(null), 3000))]);
  assert.deepEqual(fine, { codice: 0, segnale: null }, 'stderr: ' + errore);
  await assert.rejects(chiedi('/', '127.0.0.1:' + porta), /ECONNREFUSED/);
});

await esegui(casi);
if (server.exitCode === null) server.kill('SIGKILL');
fs.rmSync(cartella, { recursive: true, force: true });
