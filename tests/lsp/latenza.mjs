// The time from an edit of the example's train description to its
// diagnostics, over 100 edits: each edit changes a speed, alternately
// breaking and mending the pair, and waits for the publication. The time
// includes the server's wait for the typing to pause (150 ms).
//
// usage: node latenza.mjs SCENARIO_TOOL EXAMPLES_FOLDER
import * as rpc from 'vscode-languageserver-protocol/node.js';
import { avvia, testo, uri } from './cliente.mjs';

const [strumento, cartella] = process.argv.slice(2);
const server = avvia(strumento);
const { connessione } = server;
const treno = uri(`${cartella}/Valbruna_101-.txt`);
const originale = testo(`${cartella}/Valbruna_101-.txt`);
await connessione.sendRequest(rpc.InitializeRequest.type, { processId: process.pid, capabilities: {} });
const prima = server.diagnostiche(treno);
await connessione.sendNotification(rpc.DidOpenTextDocumentNotification.type,
  { textDocument: { uri: treno, languageId: 'scenario-train', version: 1, text: originale } });
await prima;
const tempi = [];
for (let i = 0; i < 100; i++) {
  const rotto = i % 2 === 0;
  const text = rotto ? originale.replace('velocita,  600', 'velcita,  600') : originale;
  const attesa = server.diagnostiche(treno, (d) => (d.length > 0) === rotto);
  const inizio = process.hrtime.bigint();
  await connessione.sendNotification(rpc.DidChangeTextDocumentNotification.type,
    { textDocument: { uri: treno, version: i + 2 }, contentChanges: [{ text }] });
  await attesa;
  tempi.push(Number(process.hrtime.bigint() - inizio) / 1e6);
}
tempi.sort((a, b) => a - b);
const ms = (x) => `${x.toFixed(1)} ms`;
console.log(`diagnostics after an edit, 100 edits: min ${ms(tempi[0])}, median ${ms((tempi[49] + tempi[50]) / 2)}, ` +
  `max ${ms(tempi[99])} (of which 150 ms is the wait for the typing to pause)`);
await connessione.sendRequest(rpc.ShutdownRequest.type);
await connessione.sendNotification(rpc.ExitNotification.type);
await server.finito;
connessione.dispose();
