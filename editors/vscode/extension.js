// The client: starts `scenario-tool lsp` for line and train descriptions and
// hands it every such document the editor opens.
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

let cliente;

function activate(contesto) {
  const programma = vscode.workspace.getConfiguration('scenarioTool').get('path') || 'scenario-tool';
  const server = { command: programma, args: ['lsp'] };
  cliente = new LanguageClient('scenarioTool', 'scenario-tool', { run: server, debug: server }, {
    documentSelector: [{ language: 'scenario-line' }, { language: 'scenario-train' }],
  });
  contesto.subscriptions.push({ dispose: () => cliente && cliente.stop() });
  return cliente.start();
}

function deactivate() {
  return cliente ? cliente.stop() : undefined;
}

module.exports = { activate, deactivate };
