// Lint rules for the project's JavaScript: the viewer page's script
// (disegno/*.js, classic scripts placed in the page one after the other), its
// node tests, and these browser tests. Run from the repository's root:
//   tests/browser/node_modules/.bin/eslint --config tests/browser/eslint.config.mjs
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['disegno/**'],
    rules: {
      'no-unused-vars': ['error', { args: 'after-used' }],
      'no-var': 'error',
      'prefer-const': 'error',
      eqeqeq: ['error', 'always'],
      'no-implicit-globals': 'error',
      'no-shadow': 'error',
    },
  },
  {
    // The arithmetic: a classic script in the page, a CommonJS module in node.
    files: ['disegno/vista_calcoli.js'],
    languageOptions: { sourceType: 'script', globals: { module: 'readonly' } },
  },
  {
    // The live page's part, placed before the viewer's script.
    files: ['disegno/vivo.js'],
    languageOptions: { sourceType: 'script', globals: { ...globals.browser } },
  },
  {
    // The page's script reads the arithmetic placed before it.
    files: ['disegno/vista.js'],
    languageOptions: { sourceType: 'script', globals: { ...globals.browser, calcoli: 'readonly' } },
  },
  {
    files: ['disegno/*_test.cjs'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node },
  },
  {
    files: ['tests/browser/**/*.mjs'],
    languageOptions: { sourceType: 'module', globals: { ...globals.node, ...globals.browser } },
  },
  { ignores: ['tests/browser/node_modules/**', 'build*/**'] },
];
