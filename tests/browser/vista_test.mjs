// Drives the scenario viewer page in a real headless Chromium: it must load
// from a file without touching any network, hold the scenario's stations and
// signals, zoom both views together, tell a station's name and time on hover,
// and show something.
//
// usage: node vista_test.mjs PAGE.html [SCREENSHOT.png]
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { apriChromium, apriPagina, esegui } from './chromium.mjs';

const pagina = process.argv[2];
const fotoUscita = process.argv[3];

const casi = [];
const caso = (nome, corpo) => casi.push({ nome, corpo });

const { browser, chiudi } = await apriChromium();
const { page, errori, richieste } = await apriPagina(browser, pagina);

const conta = (sel) => page.$$eval(sel, (e) => e.length);
const profiloDa = () => page.$eval('#profilo', (s) => [+s.getAttribute('data-da'), +s.getAttribute('data-a')]);
// Where a plan element stands in its drawing: inside the visible window or not.
const inVista = (sel) => page.$$eval(sel, (els) => els.map((e) => {
  const s = e.ownerSVGElement.getBoundingClientRect(), r = e.getBoundingClientRect();
  const x = r.left + r.width / 2, y = r.top + r.height / 2;
  return x >= s.left && x <= s.right && y >= s.top && y <= s.bottom;
}));

caso('the page loads nothing from any network and logs no error', async () => {
  assert.deepEqual(richieste, []);
  assert.deepEqual(errori, []);
});

caso('the page holds the 16 stations and the 32 signals', async () => {
  assert.equal(await conta('#orario tbody tr'), 16);
  assert.equal(await conta('#profilo .stazione-profilo'), 16);
  assert.equal(await conta('#pianta .stazione-pianta'), 16);
  assert.equal(await conta('#profilo .segnale-profilo'), 32);
  assert.equal(await conta('#pianta .segnale-pianta'), 32);
  const nomi = await page.$$eval('#orario tbody tr td:first-child', (t) => t.map((c) => c.textContent));
  assert.equal(nomi[0], 'MILANO P.GENOVA');
  assert.equal(nomi[15], 'ALESSANDRIA');
});

caso('a zoom to 20-30 km changes both views', async () => {
  const primaPianta = await page.$eval('#pianta', (s) => s.getAttribute('data-finestra'));
  await page.$eval('#da-km', (i) => { i.value = '20'; });
  await page.$eval('#a-km', (i) => { i.value = '30'; });
  await page.click('#vai');
  assert.deepEqual(await profiloDa(), [20000, 30000]);
  // ABBIATEGRASSO (21.3 km) is the only station in the range; the signals at
  // 20.6 and 29.25 km are the only two.
  const nomi = await page.$$eval('#profilo .stazione-profilo text', (t) => t.map((e) => e.textContent));
  assert.equal(nomi.length, 1);
  assert.match(nomi[0], /^ABBIATEGRASSO/);
  assert.equal(await conta('#profilo .segnale-profilo'), 2);
  // The plan follows: its window changed, and of the stations it shows
  // ABBIATEGRASSO, not the two ends of the line.
  assert.notEqual(await page.$eval('#pianta', (s) => s.getAttribute('data-finestra')), primaPianta);
  const visibili = await inVista('#pianta .stazione-pianta');
  assert.equal(visibili[5], true, 'ABBIATEGRASSO in the plan');
  assert.equal(visibili[0], false, 'MILANO P.GENOVA off the plan');
  assert.equal(visibili[15], false, 'ALESSANDRIA off the plan');
});

caso('hovering a station shows its name and time', async () => {
  await page.hover('#pianta .stazione-pianta[data-stazione="5"]');
  const testo = await page.$eval('#suggerimento', (t) => (getComputedStyle(t).display === 'none' ? '' : t.textContent));
  assert.match(testo, /ABBIATEGRASSO/);
  assert.match(testo, /18:15/);
  assert.match(testo, /21,300 m \(km 26\+500\)/);
});

caso('a cursor on the profile shows the same place on the plan', async () => {
  const r = await page.$eval('#profilo', (s) => { const b = s.getBoundingClientRect(); return [b.left, b.top, b.width]; });
  // The middle of the profile's drawing strip is 25 km.
  await page.mouse.move(r[0] + 70 + (r[2] - 84) / 2, r[1] + 300);
  const stato = await page.evaluate(() => window.vistaStato());
  assert.ok(Math.abs(stato.cursore - 25000) < 50, 'cursor at ' + stato.cursore);
  assert.deepEqual(await inVista('#cursore-pianta'), [true]);
});

caso('clicking a station in the timetable centres both views on it', async () => {
  await page.click('#orario tbody tr[data-stazione="6"]');
  const [da, a] = await profiloDa();
  assert.equal((da + a) / 2, 31700);
  const visibili = await inVista('#pianta .stazione-pianta');
  assert.equal(visibili[6], true, 'VIGEVANO in the plan');
});

caso('fit all shows the whole line again, and the screenshot is not blank', async () => {
  await page.click('#tutto');
  assert.deepEqual(await profiloDa(), [0, 88000]);
  await page.mouse.move(1, 1);
  const foto = await page.screenshot({ type: 'png' });
  if (fotoUscita) fs.writeFileSync(fotoUscita, foto);
  // Count the pixels that are neither the page's background nor white.
  const quote = await page.evaluate(async (dati) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + dati;
    await img.decode();
    const c = document.createElement('canvas');
    c.width = img.width; c.height = img.height;
    const g = c.getContext('2d');
    g.drawImage(img, 0, 0);
    const p = g.getImageData(0, 0, c.width, c.height).data;
    let colore = 0, scuri = 0;
    for (let i = 0; i < p.length; i += 4) {
      if (p[i] < 240 || p[i + 1] < 240 || p[i + 2] < 240) colore++;
      if (p[i] < 80 && p[i + 1] < 80 && p[i + 2] < 80) scuri++;
    }
    return [colore / (p.length / 4), scuri / (p.length / 4)];
  }, foto.toString('base64'));
  assert.ok(quote[0] > 0.03, 'coloured share ' + quote[0]);
  assert.ok(quote[1] > 0.002, 'dark share ' + quote[1]);
  assert.deepEqual(errori, []);
});

await esegui(casi);
await chiudi();
