// A page whose names try to run a script: a station named with an <img> whose
// onerror sets window.rotto and a <script> that does too, and a signpost's
// text that tries to close the SVG text it is drawn into. In headless
// Chromium no script of theirs runs, no element of theirs is made, and the
// names are shown as the text they are.
//
// usage: node vista_ostile_test.mjs PAGE.html
// (the page of the example pair with those names put in by esegui.sh)
import assert from 'node:assert/strict';
import { apriChromium, apriPagina, esegui } from './chromium.mjs';

const kStazione = '<img src=x onerror="window.rotto=1"><script>window.rotto=2</script>&amp; "Q" \'A\'';
const kCartello = '(</text><img src=x onerror="window.rotto=3">)';

const casi = [];
const caso = (nome, corpo) => casi.push({ nome, corpo });

const { browser, chiudi } = await apriChromium();
const { page, errori } = await apriPagina(browser, process.argv[2]);
const testi = (sel) => page.$$eval(sel, (t) => t.map((e) => e.textContent));
const intatta = async () => {
  assert.equal(await page.evaluate(() => window.rotto), undefined);
  assert.equal(await page.$$eval('img', (e) => e.length), 0);
  // The page's own scripts: its data and its code.
  assert.equal(await page.$$eval('script', (e) => e.length), 2);
};

caso('the whole line drawn: no script of a name runs and the names are their text', async () => {
  await page.click('#tutto');
  await intatta();
  // The name, shortened to its room on the whole line, is shown as text.
  assert.ok((await testi('#pianta text, #profilo text')).some((t) => t.startsWith('<img src=x onerror=')));
  assert.ok((await testi('#profilo .cartello-testo')).includes(kCartello));
  assert.deepEqual(errori, []);
});

caso('the station shown close up, its hint and its timetable row: still only text', async () => {
  await page.$eval('#da-km', (i) => { i.value = '3'; });
  await page.$eval('#a-km', (i) => { i.value = '6'; });
  await page.click('#vai');
  await page.hover('#profilo .stazione-profilo[data-stazione="1"] text');
  await intatta();
  assert.ok((await page.$eval('#suggerimento', (t) => t.textContent)).includes(kStazione));
  assert.ok((await testi('td')).includes(kStazione));
  assert.deepEqual(errori, []);
});

await esegui(casi);
await chiudi();
