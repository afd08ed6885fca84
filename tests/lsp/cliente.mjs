// The server started as an editor starts it, with the protocol client
// vscode-languageserver-protocol on its standard input and output; a few
// helpers the tests share.
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import * as rpc from 'vscode-languageserver-protocol/node.js';

export function avvia(strumento) {
  const processo = spawn(strumento, ['lsp'], { stdio: ['pipe', 'pipe', 'pipe'] });
  let log = '';
  processo.stderr.on('data', (d) => { log += d; });
  const connessione = rpc.createProtocolConnection(
    new rpc.StreamMessageReader(processo.stdout), new rpc.StreamMessageWriter(processo.stdin));
  // Every publication, by URI, and who waits for the next one.
  const pubblicate = new Map();
  const attese = [];
  connessione.onNotification(rpc.PublishDiagnosticsNotification.type, (p) => {
    pubblicate.set(p.uri, p.diagnostics);
    for (const a of attese.splice(0)) {
      if (a.uri === p.uri && a.condizione(p.diagnostics)) a.risolvi(p.diagnostics); else attese.push(a);
    }
  });
  connessione.listen();
  const finito = new Promise((risolvi) => processo.on('exit', (codice) => risolvi(codice)));
  return {
    processo, connessione, finito, log: () => log,
    // The next diagnostics of `uri` that satisfy `condizione`.
    diagnostiche(uri, condizione = () => true, secondi = 60) {
      return new Promise((risolvi, rifiuta) => {
        const t = setTimeout(() => rifiuta(new Error(`no diagnostics for ${uri} in ${secondi} s`)), secondi * 1000);
        attese.push({ uri, condizione, risolvi: (d) => { clearTimeout(t); risolvi(d); } });
      });
    },
  };
}

export function uri(percorso) { return pathToFileURL(percorso).href; }

export function testo(percorso) { return readFileSync(percorso, 'latin1'); }

export function verifica(condizione, messaggio) {
  if (!condizione) throw new Error(`FAIL: ${messaggio}`);
}
