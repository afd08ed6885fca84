// The viewer page of a generated line of 1000 km in headless Chromium: it
// loads without error, shows all its stations, zooms to a stretch with the
// stations and signals there and no others, and answers the wheel and the
// pointer at once.
//
// The generated line has a station every 20 km from 0 (STAZIONE 1 to 50, the
// last at 980 km) and a signal every 2.5 km from 1.2 km (tests/linea_generata.cpp).
//
// usage: node vista_lunga_test.mjs PAGE.html
import assert from 'node:assert/strict';
import { apriChromium, apriPagina, esegui } from './chromium.mjs';

const casi = [];
const caso = (nome, corpo) => casi.push({ nome, corpo });

const { browser, chiudi } = await apriChromium();
const { page, errori, richieste } = await apriPagina(browser, process.argv[2]);
const conta = (sel) => page.$$eval(sel, (e) => e.length);
const profiloDa = () => page.$eval('#profilo', (s) => [+s.getAttribute('data-da'), +s.getAttribute('data-a')]);
const nomiProfilo = () => page.$$eval('#profilo .stazione-profilo text', (t) => t.map((e) => e.textContent));
const dopoUnFotogramma = () => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0))));
// The transforms set on the drawings' moving groups from now on, in order, as
// [group id, transform's numbers]: what a gesture showed, however slow the
// machine (a gesture that rests is drawn anew in the same frame).
const osservaTrasformazioni = () => page.evaluate(() => {
  window.trasformati = [];
  new MutationObserver((ms) => {
    for (const m of ms) if (m.target.id) window.trasformati.push([m.target.id, ((m.target.getAttribute('transform') || '').match(/-?[\d.e-]+/g) || []).map(Number)]);
  }).observe(document.getElementById('disegni'), { attributes: true, attributeFilter: ['transform'], subtree: true });
});
const primaTrasformazione = (id) => page.evaluate((g) => (window.trasformati.find((t) => t[0] === g) || [g, []])[1], id);
const ridisegnato = (sel) => page.waitForFunction((q) => !document.querySelector(q + '[transform]'), { timeout: 5000 }, sel);

caso('the page loads nothing from any network and logs no error', async () => {
  assert.deepEqual(richieste, []);
  assert.deepEqual(errori, []);
});

caso('the whole line shows all 50 stations in the timetable, the profile and the plan', async () => {
  assert.deepEqual(await profiloDa(), [0, 1000000]);
  assert.equal(await conta('#orario tbody tr'), 50);
  assert.equal(await conta('#profilo .stazione-profilo'), 50);
  assert.equal(await conta('#pianta .stazione-pianta'), 50);
  const nomi = await nomiProfilo();
  assert.match(nomi[0], /^STAZIONE 1\b/);
  assert.match(nomi[49], /^STAZIONE 50\b/);
});

caso('500 to 540 km shows the stations at 500, 520 and 540 km and the 16 signals between', async () => {
  await page.$eval('#da-km', (i) => { i.value = '500'; });
  await page.$eval('#a-km', (i) => { i.value = '540'; });
  await page.click('#vai');
  assert.deepEqual(await profiloDa(), [500000, 540000]);
  const nomi = await nomiProfilo();
  assert.deepEqual(nomi.map((n) => n.split(' ').slice(0, 2).join(' ')), ['STAZIONE 26', 'STAZIONE 27', 'STAZIONE 28']);
  // 2500 i + 1200 within [500000, 540000]: i from 200 to 215.
  assert.equal(await conta('#profilo .segnale-profilo'), 16);
});

caso('a wheel turn on the profile zooms in within the frame', async () => {
  const prima = await profiloDa();
  const r = await page.$eval('#profilo', (s) => { const b = s.getBoundingClientRect(); return [b.left + b.width / 2, b.top + b.height / 2]; });
  await page.mouse.move(r[0], r[1]);
  await page.mouse.wheel({ deltaY: -100 });
  await dopoUnFotogramma();
  const dopo = await profiloDa();
  assert.ok(dopo[1] - dopo[0] < prima[1] - prima[0], 'range ' + prima + ' then ' + dopo);
});

caso('the painted gradient row tells the gradient under the pointer', async () => {
  await page.click('#tutto');
  // The rows' place in the profile, as the page lays them out.
  const riga = await page.evaluate(() => window.vistaStato().righe);
  const r = await page.$eval('#profilo', (s) => { const b = s.getBoundingClientRect(); return [b.left, b.top]; });
  await page.mouse.move(r[0] + riga.sx + riga.larg / 2, r[1] + riga.p0 + riga.ph / 4);
  const testo = await page.$eval('#suggerimento', (t) => (getComputedStyle(t).display === 'none' ? '' : t.textContent));
  assert.match(testo, /^Gradient [+-]?\d+ \u2030\nfrom /);
  assert.deepEqual(errori, []);
});

caso('the painted speed indicators tell the indicator under the pointer', async () => {
  await page.click('#tutto');
  // Far more than a few in view: painted, not marks of their own. The
  // diamond of an indicator at m stands 24 px above the speed row's foot (c0).
  assert.equal(await conta('#profilo .indicatore'), 0);
  const m = await page.$eval('#dati', (d) => JSON.parse(d.textContent).indicatori[0][0]);
  const riga = await page.evaluate(() => window.vistaStato().righe);
  const r = await page.$eval('#profilo', (s) => { const b = s.getBoundingClientRect(); return [b.left, b.top]; });
  await page.mouse.move(r[0] + riga.sx + m / 1000000 * riga.larg, r[1] + riga.c0 - 24);
  const testo = await page.$eval('#suggerimento', (t) => (getComputedStyle(t).display === 'none' ? '' : t.textContent));
  assert.match(testo, /^Speed indicator\n/);
});

// A drag moves the drawing as a whole while the pointer moves, and draws both
// views anew at the new place once it lets go: 100 px of the profile's strip
// (larg px for 40 km) are 100 / larg * 40000 m; the plan follows the profile,
// and the profile the plan.
caso('a drag moves the drawing with the pointer and draws both views anew when it lets go', async () => {
  for (const [vista, gruppo, dx, dy] of [['profilo', '#scorre-dentro', -100, 0], ['pianta', '#gruppo-pianta', -60, 40]]) {
    await page.$eval('#da-km', (i) => { i.value = '500'; });
    await page.$eval('#a-km', (i) => { i.value = '540'; });
    await page.click('#vai');
    const { righe } = await page.evaluate(() => window.vistaStato());
    const finestra = await page.$eval('#pianta', (s) => s.getAttribute('data-finestra'));
    const r = await page.$eval('#' + vista, (s) => { const b = s.getBoundingClientRect(); return [b.left + b.width / 2, b.top + b.height / 2]; });
    await page.mouse.move(r[0], r[1]);
    await osservaTrasformazioni();
    await page.mouse.down();
    for (let passo = 1; passo <= 4; passo++) {
      await page.mouse.move(r[0] + dx * passo / 4, r[1] + dy * passo / 4);
      await dopoUnFotogramma();
    }
    // Its first frame moved the drawing, not drawn again: the group shifted by
    // the pointer's first step, unscaled.
    const [sx, , , sy, tx, ty] = await primaTrasformazione(gruppo.slice(1));
    assert.ok(Math.abs(sx - 1) < 1e-9 && Math.abs(sy - 1) < 1e-9, vista + ' scaled by ' + [sx, sy]);
    assert.ok(Math.abs(tx - dx / 4) < 0.01 && Math.abs(ty - dy / 4) < 0.01, vista + ' moved by ' + [tx, ty]);
    await page.mouse.up();
    await dopoUnFotogramma();
    await ridisegnato(gruppo);
    assert.notEqual(await page.$eval('#pianta', (s) => s.getAttribute('data-finestra')), finestra, vista);
    const [da, a] = await profiloDa();
    if (vista === 'profilo') {
      const atteso = 500000 + 100 / righe.larg * 40000;
      assert.ok(Math.abs(da - atteso) <= 1 && Math.abs(a - atteso - 40000) <= 1, 'range ' + [da, a] + ', expected from ' + atteso);
    } else {
      assert.ok(da !== 500000 || a !== 540000, 'the profile followed the plan: ' + [da, a]);
    }
  }
  assert.deepEqual(errori, []);
});

// A wheel turn shows the plan scaled by 1.25 about the pointer at once (the
// point under it stays: 1.25 x + tx = x), and both views drawn anew once the
// wheel rests; the profile then follows the plan's window.
caso('a wheel turn scales the plan about the pointer at once, and draws both views anew when it rests', async () => {
  await page.$eval('#da-km', (i) => { i.value = '500'; });
  await page.$eval('#a-km', (i) => { i.value = '540'; });
  await page.click('#vai');
  const b = await page.$eval('#pianta', (s) => { const q = s.getBoundingClientRect(); return [q.left, q.top, q.width, q.height]; });
  const x = b[2] / 2 + 50, y = b[3] / 2 + 20;
  await page.mouse.move(b[0] + x, b[1] + y);
  await osservaTrasformazioni();
  await page.mouse.wheel({ deltaY: -100 });
  await dopoUnFotogramma();
  const [sx, , , sy, tx, ty] = await primaTrasformazione('gruppo-pianta');
  assert.ok(Math.abs(sx - 1.25) < 1e-9 && Math.abs(sy - 1.25) < 1e-9, 'scaled by ' + [sx, sy]);
  assert.ok(Math.abs(1.25 * x + tx - x) < 0.5 && Math.abs(1.25 * y + ty - y) < 0.5, 'the point under the pointer moved: ' + [tx, ty]);
  await ridisegnato('#gruppo-pianta');
  const [da, a] = await profiloDa();
  assert.ok(da !== 500000 || a !== 540000, 'the profile followed the plan: ' + [da, a]);
  assert.deepEqual(errori, []);
});

await esegui(casi);
await chiudi();
