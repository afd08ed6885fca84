-- scenario-tool's language server in Neovim's own client: every line
-- description (NAME_linea.txt) and train description (NAME_NUM-.txt) opened
-- is attached to one server, started on the first. g:scenario_tool names the
-- program when it is not on PATH.
local cliente
vim.api.nvim_create_autocmd({ 'BufReadPost', 'BufNewFile' }, {
  pattern = { '*_linea.txt', '*-.txt' },
  callback = function(evento)
    if not cliente or not vim.lsp.get_client_by_id(cliente) then
      cliente = vim.lsp.start_client({
        name = 'scenario-tool',
        cmd = { vim.g.scenario_tool or 'scenario-tool', 'lsp' },
        root_dir = vim.fn.fnamemodify(evento.file, ':p:h'),
      })
    end
    vim.lsp.buf_attach_client(evento.buf, cliente)
  end,
})
