// What a new author could not read on the viewer page of the scenario, each
// shown by the page's elements in headless Chromium.
//
// usage: node vista_leggibile_test.mjs PAGE.html EXAMPLE.html
// (the scenario's own page, and the page of the invented pair in examples/)
import assert from 'node:assert/strict';
import { apriChromium, apriPagina, esegui } from './chromium.mjs';

const casi = [];
const caso = (nome, corpo) => casi.push({ nome, corpo });

const { browser, chiudi } = await apriChromium();
const { page, errori } = await apriPagina(browser, process.argv[2]);
const testi = (sel) => page.$$eval(sel, (t) => t.map((e) => e.textContent));
const conta = (sel) => page.$$eval(sel, (e) => e.length);
const profiloDa = () => page.$eval('#profilo', (s) => [+s.getAttribute('data-da'), +s.getAttribute('data-a')]);
async function mostra(da, a) {
  await page.$eval('#da-km', (i, v) => { i.value = v; }, da);
  await page.$eval('#a-km', (i, v) => { i.value = v; }, a);
  await page.click('#vai');
}

caso('from 70 to 80 km the fields tell the kilometre posts too, and take them', async () => {
  await mostra('70', '80');
  // VALENZA, at 72.8 km, is at km 58+300 and the posts count down there:
  // 70 km is km 61+100, 80 km is km 51+100.
  assert.deepEqual(await testi('#da-posto, #a-posto'), ['post km 61+100', 'post km 51+100']);
  await page.click('#tutto');
  await mostra('km 61+100', '51+100');
  assert.deepEqual(await profiloDa(), [70000, 80000]);
});

caso('signposts show their text on the profile where there is room', async () => {
  const scritte = await testi('#profilo .cartello-testo');
  assert.ok(scritte.includes('(Galleria)(VALENZA)'), JSON.stringify(scritte));
});

caso('the mountain section from 75.6 km is drawn on the plan too', async () => {
  assert.equal(await conta('#pianta .montagna-pianta'), 1);
  await page.hover('#pianta .montagna-pianta');
  assert.match(await page.$eval('#suggerimento', (t) => t.textContent), /^Mountain section/);
});

caso('stop zones are bands: VALENZA and VALMADONNA have theirs between 70 and 80 km', async () => {
  assert.equal(await conta('#profilo .zona-fermata'), 2);
});

caso('an altitude line runs beside the gradient bars, and tells the height under the pointer', async () => {
  await page.click('#tutto');
  const testo = (await testi('#profilo .altitudine-testo'))[0];
  assert.match(testo, /^altitude -?[\d.]+ to -?[\d.]+ m$/);
  // The line is painted: at the start (height 0) it stands where the row
  // puts height 0 between the lowest and the highest of the whole line.
  const [basso, alto] = testo.split(' ').filter((p) => /\d/.test(p)).map(Number);
  const { righe } = await page.evaluate(() => window.vistaStato());
  const r = await page.$eval('#profilo', (s) => { const q = s.getBoundingClientRect(); return [q.left, q.top]; });
  const y = righe.p0 + righe.ph - 4 - (0 - basso) / (alto - basso) * (righe.ph - 8);
  await page.mouse.move(r[0] + righe.sx + 1, r[1] + y);
  assert.match(await page.$eval('#suggerimento', (t) => t.textContent), /^Altitude from the gradients, relative to the start\n/);
  await mostra('70', '80');
});

caso('curve radii read "R 1000", as in the picture', async () => {
  const raggi = await testi('#profilo .curva-etichetta');
  assert.ok(raggi.length > 0);
  for (const r of raggi) assert.match(r, /^R \d+$/);
});

caso('a range without stations keeps no empty band for their names', async () => {
  // ABBIATEGRASSO is at 21.3 km, VIGEVANO at 31.7: none between 22 and 30.
  await mostra('22', '30');
  assert.equal(await conta('#profilo .stazione-profilo'), 0);
  const { righe } = await page.evaluate(() => window.vistaStato());
  assert.ok(righe.v0 < 60, 'the speed row starts at ' + righe.v0 + ' px');
});

caso("the first station's rotated name shows whole at the left edge", async () => {
  await page.click('#tutto');
  const [nome, dentro] = await page.$eval('#profilo .stazione-profilo[data-stazione="0"] text', (t) => {
    const s = t.ownerSVGElement.getBoundingClientRect(), r = t.getBoundingClientRect();
    return [t.textContent, r.left >= s.left && !t.closest('[clip-path]')];
  });
  assert.match(nome, /^MILANO P\.GENOVA/);
  assert.equal(dentro, true);
  assert.deepEqual(errori, []);
});

caso('the timetable tells the dwell where the train description gives one', async () => {
  // 1 s at the origin and 60 s at the four intermediate stops with a time, none elsewhere.
  // (Column 4 is the least running time from the timed station before.)
  const soste = await page.$$eval('#orario tbody tr', (righe) => righe
    .map((r) => [r.cells[0].textContent, r.cells[5].textContent]).filter(([, s]) => s !== '\u2013'));
  assert.deepEqual(soste, [['MILANO P.GENOVA', '1 s'], ['ABBIATEGRASSO', '60 s'], ['VIGEVANO', '60 s'],
                           ['MORTARA', '60 s'], ['VALENZA', '60 s']]);
  assert.deepEqual(await testi('#orario thead th'), ['Station', 'km', 'Post', 'Time', 'Least', 'Dwell', 'Stop']);
});

caso('the timetable tells the clock at the start, and each station its time, where the train description gives them', async () => {
  // The scenario's train starts at 17:59:40; VALENZA's time is 18:51, VALMADONNA has none.
  assert.deepEqual(await testi('#orologio'), ['Clock at the start: 17:59:40']);
  const ore = await page.$$eval('#orario tbody tr', (righe) => Object.fromEntries(righe.map((r) => [r.cells[0].textContent, r.cells[3].textContent])));
  assert.equal(ore.VALENZA, '18:51');
  assert.equal(ore.VALMADONNA, '\u2013');
});

caso('"Fit all" tells the plan\'s scale over the track only', async () => {
  await page.click('#tutto');
  // The plan file's columns run from 0 to 31.5 km east and 0 to 69.8 km
  // north (scenario-tool dump), so the track fills the plan's height, about
  // 4.2 px a km (the fitted window, with a 5% margin each side, 76.8 km into
  // 320 px): its 34.7 km east take some 145 px, room for two east labels
  // 70 px apart, a 20 km grid. The scale then reads 0 and 20 km E and 0 to
  // 60 km N, not the blank sides the wide drawing adds at equal scales.
  assert.deepEqual(await testi('#pianta .griglia-est'), ['0 km E', '20 km E']);
  assert.deepEqual(await testi('#pianta .griglia-nord'), [0, 20, 40, 60].map((n) => n + ' km N'));
});

caso('no label of the profile overlaps an axis title', async () => {
  // The whole line, and ranges whose first tick stands at the left edge with a long label.
  for (const [da, a] of [[null, null], ['12.5', '14'], ['0', '3.25']]) {
    if (da === null) await page.click('#tutto'); else await mostra(da, a);
    const urti = await page.$$eval('#profilo text', (t) => {
      const titoli = t.filter((e) => e.classList.contains('titolo-asse')).map((e) => e.getBoundingClientRect());
      const tocca = (r, q) => r.left < q.right && q.left < r.right && r.top < q.bottom && q.top < r.bottom;
      return t.filter((e) => !e.classList.contains('titolo-asse') && titoli.some((q) => tocca(e.getBoundingClientRect(), q)))
        .map((e) => e.textContent);
    });
    assert.deepEqual(urti, [], 'range ' + da + ' to ' + a);
  }
});

caso('the example\'s slowdown, 60 km/h over 600 m from 19.5 km, is drawn on the plan too', async () => {
  const esempio = await apriPagina(browser, process.argv[3]);
  assert.equal(await esempio.page.$$eval('#pianta .rallentamento-pianta', (e) => e.length), 1);
  await esempio.page.hover('#pianta .rallentamento-pianta');
  assert.match(await esempio.page.$eval('#suggerimento', (t) => t.textContent), /^Slowdown to 60 km\/h/);
  assert.match(await esempio.page.$eval('#suggerimento', (t) => t.textContent), /length 600 m/);
  assert.deepEqual(esempio.errori, []);
  await esempio.page.close();
});

await esegui(casi);
await chiudi();
