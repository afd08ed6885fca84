-- Run inside headless Neovim with the setup of editors/neovim/scenario.lua,
-- the train description with a typo and a taken cell open: both diagnostics
-- arrive at their line and column, a hover over a key word shows its guide
-- entry and completion lists the key words. Lines of "FAIL: ..." and the exit
-- status tell the result.
local guasti = 0
local function verifica(condizione, messaggio)
  if not condizione then
    io.stderr:write('FAIL: ' .. messaggio .. '\n')
    guasti = guasti + 1
  end
end

local buf = vim.api.nvim_get_current_buf()
local riga_refuso = tonumber(vim.env.RIGA_REFUSO)
local riga_doppio = tonumber(vim.env.RIGA_DOPPIO)
local arrivate = vim.wait(30000, function() return #vim.diagnostic.get(buf) >= 2 end, 50)
verifica(arrivate, 'no two diagnostics within 30 s: ' .. vim.inspect(vim.diagnostic.get(buf)))
local refuso, occupata
for _, d in ipairs(vim.diagnostic.get(buf)) do
  if d.lnum == riga_refuso then refuso = d end
  if d.lnum == riga_doppio then occupata = d end
end
verifica(refuso and refuso.col == 0 and refuso.end_col == 7 and refuso.severity == vim.diagnostic.severity.ERROR,
  'the typo at its line, columns 0 to 7: ' .. vim.inspect(refuso))
verifica(occupata and occupata.col == 0 and occupata.severity == vim.diagnostic.severity.ERROR,
  'the taken cell at the second signal: ' .. vim.inspect(occupata))

local function chiedi(metodo, riga, colonna)
  local risposte = vim.lsp.buf_request_sync(buf, metodo, {
    textDocument = { uri = vim.uri_from_bufnr(buf) },
    position = { line = riga, character = colonna },
  }, 10000)
  for _, r in pairs(risposte or {}) do return r.result end
end
local hover = chiedi('textDocument/hover', riga_doppio, 2)
verifica(hover and hover.contents.value:find('#### `segnale`', 1, true), 'hover over "segnale": ' .. vim.inspect(hover))
local completamenti = chiedi('textDocument/completion', riga_doppio, 0) or {}
local etichette = {}
for _, c in ipairs(completamenti.items or completamenti) do etichette[c.label] = true end
verifica(etichette['stazione'] and etichette['rallentamento'] and etichette['[segnali]'],
  'completion lists the key words: ' .. vim.inspect(vim.tbl_keys(etichette)))

if guasti == 0 then print('neovim test passed') end
vim.cmd(guasti == 0 and 'qall!' or 'cquit 1')
