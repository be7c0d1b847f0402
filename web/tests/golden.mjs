// SPDX-License-Identifier: MIT
// The golden cases that every front end runs, here asked of the WebAssembly
// module under node, as the page asks it: each answer's JSON Lines, each
// refusal's field, kind and reason. The lines of a batch are not the page's
// and are left out.
//
// usage: node golden.mjs SITE/ratedload.js tests/golden/cases.jsonl

import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';

const [moduleFile, casesFile] = process.argv.slice(2);
const RatedLoad = createRequire(import.meta.url)(resolve(moduleFile));
const module = await RatedLoad();
const ask = module.cwrap('ratedload_ask', 'string', ['string']);
const table = module.cwrap('ratedload_table', 'string', ['string']);

// The request of a command line's words: the question, then --NAME VALUE.
function requestOf(args) {
    const lines = [`question\t${args[0]}`];
    for (let i = 1; i < args.length; ++i) {
        if (args[i] === '--metric')
            lines.push('units\tmetric');
        else
            lines.push(`${args[i].slice(2)}\t${args[++i].replace(/%/g, '%25')}`);
    }
    return lines.join('\n');
}

let failed = 0;
let run = 0;
for (const line of readFileSync(casesFile, 'utf8').split('\n').filter(Boolean)) {
    const golden = JSON.parse(line);
    if (golden.csv !== undefined)
        continue;
    ++run;
    const reply = JSON.parse((golden.args[0] === 'table' ? table : ask)(requestOf(golden.args)));
    const refusal = reply.refusal ?? null;
    const jsonl = reply.answer ? reply.answer.jsonl : reply.jsonl;
    const wanted = golden.refusal ?? null;
    const same = wanted
        ? refusal && refusal.field === wanted.field && refusal.kind === wanted.kind
            && refusal.reason === wanted.reason
        : !refusal && jsonl === golden.jsonl;
    if (!same) {
        ++failed;
        console.log(`FAIL ${golden.name}: ${golden.args.join(' ')}`);
        console.log(`  wanted ${JSON.stringify(wanted ?? golden.jsonl)}`);
        console.log(`  got    ${JSON.stringify(refusal ?? jsonl)}`);
    }
}
console.log(`${run - failed} of ${run} golden cases as every front end answers them`);
process.exit(failed === 0 && run > 0 ? 0 : 1);
