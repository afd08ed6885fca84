import { apriChromium, apriPagina } from './chromium.mjs';
const { browser, chiudi } = await apriChromium();
const { page } = await apriPagina(browser, process.argv[2]);
const s = await page.createCDPSession();
await s.send('Profiler.enable');
await s.send('Profiler.setSamplingInterval', { interval: 100 });
await s.send('Profiler.start');
for (let i = 0; i < 4; i++) {
  await page.evaluate(() => new Promise((r) => { document.getElementById('ingrandisci').click(); requestAnimationFrame(() => setTimeout(r, 0)); }));
  await page.evaluate(() => new Promise((r) => { document.getElementById('tutto').click(); requestAnimationFrame(() => setTimeout(r, 0)); }));
}
const { profile } = await s.send('Profiler.stop');
const dt = {}; const byId = {};
for (const n of profile.nodes) byId[n.id] = n;
const tempi = profile.timeDeltas; const self = {};
profile.samples.forEach((id, i) => { self[id] = (self[id] || 0) + (tempi[i] || 0); });
for (const [id, t] of Object.entries(self)) { const n = byId[id]; const k = n.callFrame.functionName + ':' + n.callFrame.lineNumber; dt[k] = (dt[k] || 0) + t / 1000 / 8; }
console.log(Object.entries(dt).sort((a, b) => b[1] - a[1]).slice(0, 22).map(([k, v]) => k.padEnd(40) + v.toFixed(1)).join('\n'));
await chiudi();
