// Tests of the coastline converter and of the committed data/erde2.000.
// Run with: node --test erde2.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import test from 'node:test';
import { fileURLToPath } from 'node:url';

import {
    MAX_LINES,
    SOUTH_EDGE,
    buildLines,
    cutEdgeSegments,
    formatNumber,
    loadLand,
    render,
    simplifyClosed,
    simplifyOpen,
    splitRing,
} from './erde2.mjs';

const dataFile = fileURLToPath(new URL('../../data/erde2.000', import.meta.url));
// Quantisation steps as in the world-atlas topology; the tests use the
// same half-step edge tolerances as the converter.
const edges = { lon: 0.0036000360003600037 / 2, lat: 0.001736003453784538 / 2 };

test('numbers print with at most three decimals, no trailing zeros, no -0', () => {
    assert.equal(formatNumber(54.5), '54.5');
    assert.equal(formatNumber(10.25), '10.25');
    assert.equal(formatNumber(-3), '-3');
    assert.equal(formatNumber(0), '0');
    assert.equal(formatNumber(-0.0001), '0');
    assert.equal(formatNumber(-0.0004999), '0');
    assert.equal(formatNumber(179.99999), '180');
    assert.equal(formatNumber(-89.999), '-89.999');
    assert.equal(formatNumber(0.05), '0.05');
    assert.equal(formatNumber(-12.3456), '-12.346');
    assert.equal(formatNumber(1e-7), '0');
    assert.equal(formatNumber(0.0012), '0.001');
});

test('a ring away from the edges stays one closed line', () => {
    const ring = [
        [10, 50],
        [11, 50],
        [11, 51],
        [10, 51],
        [10, 50],
    ];
    assert.deepEqual(splitRing(ring, edges), { closed: ring });
});

test('segments along the antimeridian are cut out', () => {
    // An island east of the date line, closed along +180.
    const ring = [
        [180, -16],
        [179.5, -16.2],
        [179.6, -16.8],
        [180, -17],
        [180, -16.5],
        [180, -16],
    ];
    const { runs } = splitRing(ring, edges);
    assert.equal(runs.length, 1);
    assert.deepEqual(runs[0], [
        [180, -16],
        [179.5, -16.2],
        [179.6, -16.8],
        [180, -17],
    ]);
});

test('a jump from -180 to +180 on the same meridian is an edge, not coast', () => {
    const ring = [
        [-180, -16.49],
        [180, -16.54],
        [179.98, -16.54],
        [179.98, -16.52],
        [-180, -16.49],
    ];
    const { runs } = splitRing(ring, edges);
    for (const run of runs) {
        for (let k = 1; k < run.length; k++) {
            assert.ok(Math.abs(run[k][0] - run[k - 1][0]) < 180, 'no segment across the map');
        }
    }
});

test('the pole closure of Antarctica is dropped entirely', () => {
    const ring = [
        [-180, SOUTH_EDGE],
        [120, SOUTH_EDGE],
        [0, SOUTH_EDGE],
        [-120, SOUTH_EDGE],
        [-180, SOUTH_EDGE],
    ];
    assert.deepEqual(splitRing(ring, edges), { runs: [] });
});

test('coast crossing the antimeridian is cut at the meridian on both sides', () => {
    const ring = [
        [179, 65],
        [-179, 66],
        [-178, 64],
        [179.5, 64],
        [179, 65],
    ];
    const { runs } = splitRing(ring, edges);
    assert.equal(runs.length, 2);
    // Every run ends on the meridian, at the interpolated latitude.
    const ends = runs.flatMap((r) => [r[0], r[r.length - 1]]);
    for (const p of ends) assert.equal(Math.abs(p[0]), 180);
    const lats = ends.map((p) => p[1]).sort((a, b) => a - b);
    assert.deepEqual(lats, [64, 64, 65.5, 65.5]);
    // The piece west of the date line lies wholly at negative longitudes.
    const west = runs.find((r) => r.some((p) => p[0] === -178));
    assert.ok(west.every((p) => p[0] < 0));
});

test('Douglas-Peucker keeps the ends and the corners beyond the tolerance', () => {
    const line = [
        [0, 0],
        [1, 0.001],
        [2, 0],
        [3, 1],
        [4, 0],
    ];
    assert.deepEqual(simplifyOpen(line, 0.01), [
        [0, 0],
        [2, 0],
        [3, 1],
        [4, 0],
    ]);
    const square = [
        [0, 0],
        [0.5, 0.0001],
        [1, 0],
        [1, 1],
        [0, 1],
        [0, 0],
    ];
    const simple = simplifyClosed(square, 0.01);
    assert.deepEqual(simple, [
        [0, 0],
        [1, 0],
        [1, 1],
        [0, 1],
        [0, 0],
    ]);
});

test('segments that simplifying lays onto the meridian are cut out', () => {
    const pieces = cutEdgeSegments(
        [
            [179, 10],
            [180, 10.5],
            [180, 11],
            [179, 11.5],
        ],
        edges,
    );
    assert.deepEqual(pieces, [
        [
            [179, 10],
            [180, 10.5],
        ],
        [
            [180, 11],
            [179, 11.5],
        ],
    ]);
});

test('the converter reproduces data/erde2.000 byte for byte', () => {
    const text = render(buildLines(loadLand()).lines);
    assert.equal(text, fs.readFileSync(dataFile, 'utf8'));
});

test('data/erde2.000 is well formed and free of edge lines', () => {
    const text = fs.readFileSync(dataFile, 'utf8');
    assert.ok(text.endsWith('\n') && !text.endsWith('\n\n'), 'exactly one LF at the end');
    assert.ok(!text.includes('\r'));
    const lines = text.slice(0, -1).split('\n');
    assert.ok(lines.length <= MAX_LINES, `${lines.length} lines`);
    assert.ok(lines.length >= 31000, `${lines.length} lines, detail budget unused`);
    const number = '-?(?:0|[1-9][0-9]*)(?:\\.[0-9]{0,2}[1-9])?';
    const form = new RegExp(`^(${number}) (${number}) ([01])$`);
    let prev = null;
    let start = null;
    let lineStarts = 0;
    let closed = 0;
    const closeLine = () => {
        if (start && prev[0] === start[0] && prev[1] === start[1]) closed++;
    };
    lines.forEach((l, i) => {
        const m = form.exec(l);
        assert.ok(m, `line ${i + 1}: ${JSON.stringify(l)}`);
        assert.ok(!/(^| )-0( |$)/.test(l), `line ${i + 1}: -0`);
        const lat = Number(m[1]);
        const lon = Number(m[2]);
        assert.ok(Math.abs(lat) <= 90 && Math.abs(lon) <= 180, `line ${i + 1}: range`);
        if (m[3] === '0') {
            closeLine();
            start = [lat, lon];
            lineStarts++;
        } else {
            assert.ok(i > 0, 'the first point starts a line');
            assert.ok(!(lat === prev[0] && lon === prev[1]), `line ${i + 1}: repeated point`);
            assert.ok(
                !(Math.abs(lon) === 180 && Math.abs(prev[1]) === 180),
                `line ${i + 1}: drawn along the antimeridian`,
            );
            assert.ok(
                !(lat <= SOUTH_EDGE && prev[0] <= SOUTH_EDGE),
                `line ${i + 1}: drawn along the southern edge`,
            );
            assert.ok(Math.abs(lon - prev[1]) < 180, `line ${i + 1}: drawn across the map`);
        }
        prev = [lat, lon];
    });
    closeLine();
    assert.ok(lineStarts > 1000);
    // All but the few coast pieces cut at the antimeridian are closed rings.
    assert.ok(lineStarts - closed <= 20, `${lineStarts - closed} open lines`);
});

test('well-known islands are present', () => {
    const text = fs.readFileSync(dataFile, 'utf8');
    const pts = text
        .slice(0, -1)
        .split('\n')
        .map((l) => l.split(' ').map(Number));
    const inBox = (lat0, lat1, lon0, lon1) =>
        pts.some(([lat, lon]) => lat >= lat0 && lat <= lat1 && lon >= lon0 && lon <= lon1);
    assert.ok(inBox(18.9, 20.3, -156.1, -154.8), 'Hawaii (Big Island)');
    assert.ok(inBox(27.6, 28.9, -18.2, -13.4), 'Canary Islands');
    assert.ok(inBox(37.7, 39.8, -31.3, -25), 'Azores');
    assert.ok(inBox(61.3, 62.4, -7.7, -6.2), 'Faroe Islands');
    assert.ok(inBox(-52.5, -51, -61.5, -57.6), 'Falkland Islands');
    assert.ok(inBox(5.9, 9.9, 79.6, 81.9), 'Sri Lanka');
});
