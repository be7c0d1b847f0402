// SPDX-License-Identifier: MIT
// The page: it reads its fields, asks the calculator's own C++ (compiled to
// WebAssembly in ratedload.js) and shows the texts that come back. No
// figure, text or refusal is worked out here; the page only arranges them.
'use strict';

(() => {
    const form = document.getElementById('entries');
    const byId = (id) => document.getElementById(id);
    const svgNamespace = 'http://www.w3.org/2000/svg';
    // The entries, named as the command line's options.
    const entryNames = ['type', 'class', 'truck', 'load', 'area', 'depth', 'width'];
    const typedNames = ['truck', 'load', 'area', 'depth', 'width'];
    const titleNames = ['site', 'car', 'inspector', 'date'];
    const unitTexts = {
        imperial: { load: '(lb)', area: '(sq ft)', side: 'such as 7ft4in, 7ft4-1/2in, 88in, 7\'4"' },
        metric: { load: '(kg)', area: '(sq m)', side: 'such as 2.05m, 2m50mm, 2050mm' },
    };
    const prompts = {
        load: 'Type the area of the platform, or its depth and width.',
        area: 'Type the rated load; give the depth or the width as well to find the other side.',
        check: 'Type the rated load the car is plated for, and the area of its platform or its depth and width.',
    };
    let ask = null;
    let sheetAnswer = null;
    let sheetTimer = 0;

    const chosen = (name) => form.querySelector(`input[name="${name}"]:checked`).value;
    const shown = (element) => !element.closest('[hidden]');

    function element(tag, text, attributes = {}) {
        const made = document.createElement(tag);
        if (text !== undefined)
            made.textContent = text;
        for (const [name, value] of Object.entries(attributes))
            made.setAttribute(name, value);
        return made;
    }

    // The fields that the question, the type and the class call for.
    function arrange() {
        const question = chosen('question');
        const type = byId('type').value;
        const truckClass = ['C1', 'C2'].includes(byId('class').value);
        byId('class-field').hidden = type !== 'freight';
        byId('truck-field').hidden = question === 'area'
            || !(type === 'freight-passenger' || (type === 'freight' && truckClass));
        byId('load-fields').hidden = question === 'load';
        byId('area-field').hidden = question === 'area';
        byId('load-label').textContent = question === 'check' ? 'Rated load (plated)' : 'Rated load';
        byId('platform-legend').textContent = question === 'area'
            ? 'One side, to find the other: the depth or the width'
            : 'Platform: the area, or the depth and the width';
        const units = chosen('units');
        for (const unit of document.querySelectorAll('[data-unit]'))
            unit.textContent = unitTexts[units][unit.dataset.unit];
        byId('paper').textContent = `@page { size: ${units === 'metric' ? 'A4' : 'letter'}; margin: 12mm; }`;
    }

    // A value as its line of the request carries it, whole: what would part
    // the lines or end the text (%, tab, line breaks, NUL) as %XX, and a
    // lone surrogate, which UTF-8 cannot carry, as U+FFFD.
    const carried = (text) => text
        .replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g, '\uFFFD')
        .replace(/[%\t\n\r\0]/g, (c) => `%${c.charCodeAt(0).toString(16).padStart(2, '0')}`);

    // The request: NAME TAB VALUE on a line each, for the fields on show.
    function request() {
        const lines = [`question\t${chosen('question')}`, `units\t${chosen('units')}`];
        for (const name of entryNames) {
            const field = form.elements[name];
            if (shown(field) && (field.tagName === 'SELECT' || field.value.trim() !== ''))
                lines.push(`${name}\t${carried(field.value)}`);
        }
        for (const name of titleNames)
            lines.push(`${name}\t${carried(byId(name).value)}`);
        return lines.join('\n');
    }

    function clear() {
        for (const said of document.querySelectorAll('[data-error-for]')) {
            said.textContent = '';
            said.hidden = true;
        }
        for (const field of form.querySelectorAll('[aria-invalid]'))
            field.removeAttribute('aria-invalid');
        byId('figures').replaceChildren();
        byId('verdict').textContent = '';
        byId('verdict').hidden = true;
        byId('explanation').hidden = true;
        byId('rule').hidden = true;
        byId('chart').hidden = true;
        sheetAnswer = null;
        byId('sheet').replaceChildren();
    }

    function showRefusal(refusal) {
        const field = form.elements[refusal.field];
        const at = field && shown(field)
            ? document.querySelector(`[data-error-for="${refusal.field}"]`)
            : byId('general-error');
        at.textContent = refusal.reason;
        at.hidden = false;
        if (field && shown(field))
            field.setAttribute('aria-invalid', 'true');
    }

    function showAnswer(answer) {
        const figures = byId('figures');
        for (const column of answer.columns) {
            if (column.key === 'verdict' || column.text === null)
                continue;
            const row = element('div');
            row.append(element('dt', column.label));
            const value = element('dd');
            value.append(element('span', column.text, { 'data-key': column.key }));
            if (column.unit)
                value.append(' ', element('span', column.unit, { class: 'unit' }));
            row.append(value);
            figures.append(row);
        }
        if (answer.verdict) {
            const verdict = byId('verdict');
            verdict.textContent = answer.verdict.text;
            verdict.dataset.mark = answer.verdict.mark;
            verdict.hidden = false;
            byId('explanation').textContent = answer.verdict.explanation;
            byId('explanation').hidden = false;
        }
        const rule = answer.sheet.sections.find((section) => section.heading === 'Rule applied');
        if (rule && rule.rows.length) {
            byId('rule-rows').replaceChildren(...rule.rows.map((row) => {
                const item = element('div');
                item.append(element('dt', row.label), element('dd', row.unit ? `${row.value} ${row.unit}` : row.value));
                return item;
            }));
            byId('rule').hidden = false;
        }
        if (answer.chart) {
            drawChart(byId('chart-picture'), answer.chart);
            byId('chart-caption').textContent = answer.chart.title;
            byId('chart').hidden = false;
        }
        // The sheet is for paper: written when the page is idle, or before
        // it prints, not on the way to the answer.
        sheetAnswer = answer;
        clearTimeout(sheetTimer);
        sheetTimer = setTimeout(writeSheet, 0);
    }

    function update() {
        arrange();
        if (!ask)
            return;
        clear();
        const question = chosen('question');
        const typed = typedNames.some((name) => shown(form.elements[name]) && form.elements[name].value.trim() !== '');
        byId('prompt').textContent = prompts[question];
        byId('prompt').hidden = typed;
        if (!typed)
            return;
        const reply = JSON.parse(ask(request()));
        if (reply.refusal)
            showRefusal(reply.refusal);
        else
            showAnswer(reply.answer);
    }

    // The chart: the code's curve over the axes the module gives, the car a
    // mark whose shape alone tells its verdict.
    function drawChart(picture, chart) {
        const frame = { left: 72, right: 620, top: 16, bottom: 360 };
        const x = (area) => frame.left + (area - chart.areas.low) / (chart.areas.high - chart.areas.low) * (frame.right - frame.left);
        const y = (load) => frame.bottom - (load - chart.loads.low) / (chart.loads.high - chart.loads.low) * (frame.bottom - frame.top);
        const draw = (tag, attributes, text) => {
            const made = document.createElementNS(svgNamespace, tag);
            for (const [name, value] of Object.entries(attributes))
                made.setAttribute(name, value);
            if (text !== undefined)
                made.textContent = text;
            picture.append(made);
            return made;
        };
        picture.replaceChildren();
        draw('rect', { x: 0, y: 0, width: 640, height: 420, fill: '#fff' });
        for (const tick of chart.areas.ticks) {
            draw('line', { x1: x(tick.value), x2: x(tick.value), y1: frame.top, y2: frame.bottom, class: 'grid' });
            draw('text', { x: x(tick.value), y: frame.bottom + 18, 'text-anchor': 'middle' }, tick.text);
        }
        for (const tick of chart.loads.ticks) {
            draw('line', { x1: frame.left, x2: frame.right, y1: y(tick.value), y2: y(tick.value), class: 'grid' });
            draw('text', { x: frame.left - 6, y: y(tick.value) + 4, 'text-anchor': 'end' }, tick.text);
        }
        draw('rect', { x: frame.left, y: frame.top, width: frame.right - frame.left, height: frame.bottom - frame.top, class: 'frame' });
        if (chart.threshold !== null)
            draw('line', { x1: x(chart.threshold), x2: x(chart.threshold), y1: frame.top, y2: frame.bottom, class: 'threshold' });
        for (const piece of chart.pieces)
            draw('polyline', { points: piece.map(([area, load]) => `${x(area).toFixed(2)},${y(load).toFixed(2)}`).join(' '), class: 'curve' });
        for (const point of chart.points) {
            const [cx, cy] = [x(point.area), y(point.load)];
            const r = 7;
            if (point.mark === 'passes')
                draw('circle', { cx, cy, r, class: 'mark passes' });
            else if (point.mark === 'within')
                draw('polygon', { points: `${cx},${cy - r} ${cx + r},${cy + r * 0.8} ${cx - r},${cy + r * 0.8}`, class: 'mark within' });
            else if (point.mark === 'fails')
                draw('path', { d: `M${cx - r},${cy - r}L${cx + r},${cy + r}M${cx - r},${cy + r}L${cx + r},${cy - r}`, class: 'mark fails' });
            else
                draw('polygon', { points: `${cx},${cy - r} ${cx + r},${cy} ${cx},${cy + r} ${cx - r},${cy}`, class: 'mark platform' });
        }
        draw('text', { x: (frame.left + frame.right) / 2, y: 408, 'text-anchor': 'middle', class: 'title' },
            `Inside net platform area (${chart.areaUnit})`);
        draw('text', { x: 14, y: (frame.top + frame.bottom) / 2, 'text-anchor': 'middle', class: 'title',
            transform: `rotate(-90 14 ${(frame.top + frame.bottom) / 2})` }, `Minimum rated load (${chart.loadUnit})`);
    }

    // The calculation sheet, shown only when the page is printed.
    function writeSheet() {
        const answer = sheetAnswer;
        const sheet = byId('sheet');
        sheet.replaceChildren();
        if (!answer) {
            sheet.append(element('p', 'Nothing to print yet: the calculation sheet is that of '
                + 'an answer, and the entries give none.'));
            return;
        }
        const rows = (lines, columns) => {
            const made = element('div', undefined, { class: columns > 1 ? 'rows two' : 'rows' });
            for (const line of lines) {
                const row = element('div', undefined, { class: 'row' });
                row.append(element('span', line.label, { class: 'label' }),
                    element('span', line.unit ? `${line.value} ${line.unit}` : line.value));
                made.append(row);
            }
            return made;
        };
        sheet.append(element('h1', answer.sheet.title));
        sheet.append(rows(titleNames.map((name) => ({
            label: name[0].toUpperCase() + name.slice(1), value: byId(name).value, unit: '' })), 2));
        for (const section of answer.sheet.sections)
            sheet.append(element('h2', section.heading), rows(section.rows, section.columns));
        if (answer.verdict) {
            const verdict = element('div', undefined, { class: 'sheet-verdict' });
            verdict.append(element('p', `Verdict: the car ${answer.verdict.text}`, { class: 'sheet-verdict-text' }),
                element('p', answer.verdict.explanation));
            sheet.append(verdict);
        }
        if (answer.chart)
            sheet.append(byId('chart-picture').cloneNode(true));
        const signatures = element('div', undefined, { class: 'rows two signatures' });
        for (const who of ['Calculated by', 'Checked by'])
            signatures.append(element('p', `${who}: ____________________  Date: ________`));
        sheet.append(signatures, element('p', answer.sheet.program, { class: 'program' }));
    }

    form.addEventListener('submit', (event) => event.preventDefault());
    for (const field of [...form.elements, ...titleNames.map(byId)]) {
        field.addEventListener('input', update);
        field.addEventListener('change', update);
    }
    byId('print').addEventListener('click', () => window.print());
    window.addEventListener('beforeprint', writeSheet);
    if (!byId('date').value)
        byId('date').value = new Date().toISOString().slice(0, 10);
    update();

    RatedLoad().then((module) => {
        ask = module.cwrap('ratedload_ask', 'string', ['string']);
        update();
        document.documentElement.dataset.ready = 'true';
        document.documentElement.dataset.readyAt = performance.now().toFixed(0);
    });

    // Installed on a phone, the page works with no network: served over
    // https or from this machine, a service worker keeps its files.
    if ('serviceWorker' in navigator && window.isSecureContext && location.protocol !== 'file:')
        navigator.serviceWorker.register('sw.js');
})();
