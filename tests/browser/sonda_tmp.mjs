import { spawn } from 'node:child_process';
import { apriChromium, apriPagina } from './chromium.mjs';
const s = spawn(process.argv[2], ['view', process.argv[3], process.argv[4], '--watch'], { stdio: ['ignore', 'pipe', 'inherit'] });
const u = await new Promise((f) => s.stdout.on('data', (d) => f(String(d).trim())));
const { browser, chiudi } = await apriChromium();
const { page, errori } = await apriPagina(browser, u, { locale: true });
await new Promise((f) => setTimeout(f, 500));
console.log(errori, await page.$eval('#diagnostiche', (e) => e.textContent));
await chiudi(); s.kill('SIGINT');
