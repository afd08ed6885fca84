// The headless Chromium the browser scripts drive: Debian's, with a private
// profile, no network of its own, and a page of the project's size. The page
// records its console errors and every request that is not for a local file,
// and aborts those.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import url from 'node:url';
import puppeteer from 'puppeteer-core';

export async function apriChromium() {
  const profilo = fs.mkdtempSync(path.join(os.tmpdir(), 'vista-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profilo,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--user-data-dir=' + profilo],
  });
  return {
    browser,
    async chiudi() {
      await browser.close();
      fs.rmSync(profilo, { recursive: true, force: true });
    },
  };
}

// A new tab on the page at `indirizzo` (a file's path, or an http URL),
// loaded; `errori` and `richieste` fill as it runs.
export async function apriPagina(browser, indirizzo, { locale = false } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1366, height: 900 });
  const errori = [], richieste = [];
  page.on('console', (m) => { if (m.type() === 'error') errori.push(m.text()); });
  page.on('pageerror', (e) => errori.push(String(e)));
  await page.setRequestInterception(true);
  page.on('request', (r) => {
    const u = r.url();
    if (u.startsWith('file:') || u.startsWith('data:') || (locale && u.startsWith('http://127.0.0.1:'))) return r.continue();
    richieste.push(u);
    return r.abort();
  });
  const destinazione = /^https?:/.test(indirizzo) ? indirizzo : url.pathToFileURL(path.resolve(indirizzo)).href;
  await page.goto(destinazione, { waitUntil: 'load' });
  return { page, errori, richieste };
}

// Runs named cases in order, each an async function that throws on failure;
// prints one line a case and a total, and sets the exit status.
export async function esegui(casi) {
  let passati = 0, falliti = 0;
  for (const { nome, corpo } of casi) {
    try {
      await corpo();
      passati++;
      console.log('ok - ' + nome);
    } catch (e) {
      falliti++;
      console.log('not ok - ' + nome + '\n  ' + String(e.message || e).split('\n').join('\n  '));
    }
  }
  console.log(`${passati} passed, ${falliti} failed`);
  process.exitCode = falliti ? 1 : 0;
}
