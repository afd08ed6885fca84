// Times the viewer page in headless Chromium: for each page, the time from the
// start of loading to its first picture, and the time from a zoom, a pan, a
// hover, a step of a drag or the release that ends it to the frame that shows
// it (the script's work, the layout and the paint), in ms, as min / median /
// max over the rounds. A wheel turn or a drag step shows what is drawn moved
// and scaled as a whole; "zoom drawn" is the time from the turn to the frame
// that shows both views drawn anew once the wheel rests, and "release" from
// the end of a drag to that frame. Zooms and hovers start from the whole
// line; pans and drags from half of it in view, so that they have room to
// move.
// A report, not a test: it fails only when the page cannot be driven.
//
// usage: node banco_vista.mjs [--giri N] NAME=PAGE.html [NAME=PAGE.html ...]
import { apriChromium, apriPagina } from './chromium.mjs';

const argomenti = process.argv.slice(2);
let giri = 5;
const pagine = [];
for (let i = 0; i < argomenti.length; i++) {
  if (argomenti[i] === '--giri') giri = Number(argomenti[++i]);
  else pagine.push(argomenti[i].split('='));
}
if (!(giri >= 1) || !pagine.length || pagine.some((p) => p.length !== 2)) {
  console.error('usage: node banco_vista.mjs [--giri N] NAME=PAGE.html [NAME=PAGE.html ...]');
  process.exit(64);
}

// Runs one action in the page and waits for the frame after it: a timeout
// set inside an animation frame callback runs once that frame is painted.
async function tempo(page, azione, argomento) {
  return page.evaluate(async (testo, arg) => {
    const fai = new Function('arg', testo);
    const t0 = performance.now();
    fai(arg);
    await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
    return performance.now() - t0;
  }, azione, argomento);
}

// The same, waiting for the frame that shows both views drawn anew: none of
// their moving groups left moved or scaled.
async function tempoAlDisegno(page, azione, argomento) {
  return page.evaluate(async (testo, arg) => {
    const fai = new Function('arg', testo);
    const t0 = performance.now();
    fai(arg);
    do await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
    while (document.querySelector('#gruppo-pianta[transform], #scorre-profilo[transform], #scorre-dentro[transform]') && performance.now() - t0 < 5000);
    return performance.now() - t0;
  }, azione, argomento);
}

// The actions, as the page's own event handlers receive them.
const centro = `const s = document.getElementById(arg.vista), r = s.getBoundingClientRect();
  return [r.left + r.width * (arg.x === undefined ? 0.5 : arg.x), r.top + r.height * 0.5];`;
const azioni = {
  zoom: `const [x, y] = (function (arg) { ${centro} })(arg);
    document.getElementById(arg.vista).dispatchEvent(new WheelEvent('wheel', { deltaY: arg.dy, clientX: x, clientY: y, bubbles: true, cancelable: true }));`,
  pan: `document.dispatchEvent(new KeyboardEvent('keydown', { key: arg.tasto, bubbles: true }));`,
  hover: `const [x, y] = (function (arg) { ${centro} })(arg);
    document.getElementById(arg.vista).dispatchEvent(new MouseEvent('mousemove', { clientX: x, clientY: y, bubbles: true }));`,
  premi: `const [x, y] = (function (arg) { ${centro} })(arg);
    document.getElementById(arg.vista).dispatchEvent(new PointerEvent('pointerdown', { pointerId: 1, clientX: x, clientY: y, bubbles: true }));`,
  trascina: `const [x, y] = (function (arg) { ${centro} })(arg);
    document.getElementById(arg.vista).dispatchEvent(new PointerEvent('pointermove', { pointerId: 1, clientX: x + arg.dx, clientY: y + arg.dy, bubbles: true }));`,
  lascia: `document.getElementById(arg.vista).dispatchEvent(new PointerEvent('pointerup', { pointerId: 1, bubbles: true }));`,
  tutto: `document.getElementById('tutto').click();`,
};

function riassunto(valori) {
  const v = [...valori].sort((x, y) => x - y);
  const mediana = v.length % 2 ? v[(v.length - 1) / 2] : (v[v.length / 2 - 1] + v[v.length / 2]) / 2;
  return [v[0], mediana, v[v.length - 1]].map((x) => x.toFixed(1).padStart(8)).join('');
}

const { browser, chiudi } = await apriChromium();
console.log('page       measure         min  median     max   (ms, ' + giri + ' rounds)');
for (const [nome, file] of pagine) {
  const misure = { load: [], zoom: [], 'zoom drawn': [], pan: [], 'pan drawn': [], hover: [], 'drag plan': [], 'drag profile': [], 'release': [] };
  for (let g = 0; g < giri; g++) {
    const { page, errori } = await apriPagina(browser, file);
    misure.load.push(await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(() => r(performance.now()), 0)))));
    for (const [vista, dy] of [['profilo', -100], ['profilo', 100], ['pianta', -100], ['pianta', 100]]) {
      misure.zoom.push(await tempo(page, azioni.zoom, { vista, dy }));
      await tempoAlDisegno(page, '');
    }
    for (const [vista, dy] of [['profilo', -100], ['profilo', 100], ['pianta', -100], ['pianta', 100]]) {
      misure['zoom drawn'].push(await tempoAlDisegno(page, azioni.zoom, { vista, dy }));
    }
    // Panning needs room: half the line in view, as three steps of the + key leave it.
    await tempo(page, azioni.tutto);
    for (let i = 0; i < 3; i++) await tempo(page, azioni.pan, { tasto: '+' });
    await tempoAlDisegno(page, '');
    for (const tasto of ['ArrowRight', 'ArrowLeft']) {
      misure.pan.push(await tempo(page, azioni.pan, { tasto }));
      await tempoAlDisegno(page, '');
    }
    for (const tasto of ['ArrowRight', 'ArrowLeft']) misure['pan drawn'].push(await tempoAlDisegno(page, azioni.pan, { tasto }));
    for (const x of [0.3, 0.5, 0.7]) {
      misure.hover.push(await tempo(page, azioni.hover, { vista: 'profilo', x }));
      misure.hover.push(await tempo(page, azioni.hover, { vista: 'pianta', x }));
    }
    for (const [vista, chiave] of [['pianta', 'drag plan'], ['profilo', 'drag profile']]) {
      await tempo(page, azioni.tutto);
      for (let i = 0; i < 3; i++) await tempo(page, azioni.pan, { tasto: '+' });
      await tempoAlDisegno(page, '');
      await tempo(page, azioni.premi, { vista });
      for (let passo = 1; passo <= 5; passo++) {
        misure[chiave].push(await tempo(page, azioni.trascina, { vista, dx: 8 * passo, dy: 4 * passo }));
      }
      misure.release.push(await tempo(page, azioni.lascia, { vista }));
    }
    if (errori.length) throw new Error(nome + ': ' + errori.join('\n'));
    await page.close();
  }
  for (const [cosa, valori] of Object.entries(misure)) console.log(nome.padEnd(10) + ' ' + cosa.padEnd(12) + riassunto(valori));
}
await chiudi();
