#!/usr/bin/env node
// Builds the coastline file erde2.000 from the Natural Earth 1:50m land
// polygons shipped by world-atlas (TopoJSON, decoded with topojson-client).
//
// Output: one point per line, "latitude longitude penflag", fields separated
// by a single blank, LF after every line including the last one (so the file
// ends in exactly one LF and has no empty line). Pen flag 0 starts a new line
// at the point, 1 draws from the previous point to this one.
//
// Usage: node erde2.mjs [--tolerance=DEGREES] [--stats] [OUTPUT]
// Without OUTPUT the text goes to stdout.

import fs from 'node:fs';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import { feature } from 'topojson-client';

// The loader keeps at most this many points.
export const MAX_LINES = 31999;

// Douglas-Peucker tolerance in degrees (longitude and latitude alike, since
// the map is equirectangular). 0.0245 degrees is about a quarter of a pixel
// on a 3840 px wide map (0.09 degrees per pixel) and a fourteenth of one at
// 1036 px, and the whole world then fits in the point budget.
export const TOLERANCE = 0.0245;

// Closed rings (islands, lakes) whose extent is below this many degrees in
// both directions are dropped: they are smaller than a pixel even at
// 3840 px (0.09 degrees per pixel), and their points are better spent on
// coasts.
export const MIN_EXTENT = 0.09;

// Printed decimals. The topology is quantised to steps of 0.0036 degrees in
// longitude and 0.0017 degrees in latitude, so three decimals keep all the
// precision the data has.
const DECIMALS = 3;
const SCALE = 10 ** DECIMALS;

// The land polygons are cut at the antimeridian and closed along it, and
// Antarctica is closed along the southern edge of the data, the parallel
// -89.999 where the source clips the pole. Those edges are not coast. A point
// lies on such an edge when it is less than half a quantisation step away
// from it (the steps come from the topology's transform), so only points on
// the edge itself count, never the real coast point one step beside it.
export const SOUTH_EDGE = -89.999;

export function edgesFor(topology) {
    const [stepLon, stepLat] = topology.transform.scale;
    return { lon: stepLon / 2, lat: stepLat / 2 };
}

function onMeridian(p, edges) {
    return Math.abs(p[0]) > 180 - edges.lon;
}

function onSouthEdge(p, edges) {
    return p[1] < SOUTH_EDGE + edges.lat;
}

// A segment that runs along the antimeridian (also from -180 to +180, the same
// meridian) or along the southern edge closes a polygon and is not drawn.
function isEdgeSegment(a, b, edges) {
    return (
        (onMeridian(a, edges) && onMeridian(b, edges)) ||
        (onSouthEdge(a, edges) && onSouthEdge(b, edges))
    );
}

// A real coast segment that crosses the antimeridian: it is cut where it
// meets the meridian, so that no line runs across the whole map.
function crossesMeridian(a, b) {
    return Math.abs(b[0] - a[0]) > 180;
}

// Latitude at which the segment a-b crosses the antimeridian, and the
// longitude of the edge on a's side (+180 or -180).
function meridianCrossing(a, b) {
    const side = a[0] < 0 ? -180 : 180;
    const bx = b[0] + (side < 0 ? -360 : 360);
    const t = bx === a[0] ? 0 : (side - a[0]) / (bx - a[0]);
    return { side, lat: a[1] + t * (b[1] - a[1]) };
}

// Splits one closed ring into the parts that are real coast. Returns
// { closed: [points] } when the whole ring is coast, otherwise
// { runs: [[points], ...] } of open polylines.
export function splitRing(ring, edges) {
    // Work on the distinct points; the ring's last point repeats its first.
    const pts = ring.slice(0, ring.length - 1);
    const m = pts.length;
    const isBreak = (j) => {
        const a = pts[j];
        const b = pts[(j + 1) % m];
        return isEdgeSegment(a, b, edges) || crossesMeridian(a, b);
    };
    let first = -1;
    for (let j = 0; j < m; j++) {
        if (isBreak(j)) {
            first = j;
            break;
        }
    }
    if (first < 0) {
        return { closed: ring };
    }
    // Start right after a break so that no run wraps around the ring's seam;
    // the last segment walked is that break itself.
    const runs = [];
    let run = [pts[(first + 1) % m]];
    for (let k = 1; k <= m; k++) {
        const j = (first + k) % m;
        const a = pts[j];
        const b = pts[(j + 1) % m];
        if (isEdgeSegment(a, b, edges)) {
            runs.push(run);
            run = [b];
        } else if (crossesMeridian(a, b)) {
            const { side, lat } = meridianCrossing(a, b);
            run.push([side, lat]);
            runs.push(run);
            run = [[-side, lat], b];
        } else {
            run.push(b);
        }
    }
    // When the break the walk started after is a crossing, the last run holds
    // just the edge point and the start point: it belongs in front of the
    // first run.
    const a = pts[first];
    const b = pts[(first + 1) % m];
    if (!isEdgeSegment(a, b, edges) && crossesMeridian(a, b)) {
        runs[0].unshift(run[0]);
    } else {
        runs.push(run);
    }
    return { runs: runs.filter((r) => r.length >= 2) };
}

// Squared distance from p to the segment a-b.
function segmentDistance2(p, a, b) {
    const dx = b[0] - a[0];
    const dy = b[1] - a[1];
    const len2 = dx * dx + dy * dy;
    let t = 0;
    if (len2 > 0) {
        t = ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / len2;
        if (t < 0) t = 0;
        else if (t > 1) t = 1;
    }
    const ex = a[0] + t * dx - p[0];
    const ey = a[1] + t * dy - p[1];
    return ex * ex + ey * ey;
}

// Douglas-Peucker on the open polyline pts[from..to], keeping both ends.
// Marks kept points in keep[]. Iterative so that long coasts cannot exhaust
// the stack; on equal distances the first point wins, so the result is
// deterministic.
function markDouglasPeucker(pts, from, to, tol2, keep) {
    keep[from] = true;
    keep[to] = true;
    const stack = [[from, to]];
    while (stack.length > 0) {
        const [i, j] = stack.pop();
        let worst = -1;
        let worst2 = tol2;
        for (let k = i + 1; k < j; k++) {
            const d2 = segmentDistance2(pts[k], pts[i], pts[j]);
            if (d2 > worst2) {
                worst2 = d2;
                worst = k;
            }
        }
        if (worst >= 0) {
            keep[worst] = true;
            stack.push([worst, j]);
            stack.push([i, worst]);
        }
    }
}

export function simplifyOpen(pts, tol) {
    const keep = new Array(pts.length).fill(false);
    markDouglasPeucker(pts, 0, pts.length - 1, tol * tol, keep);
    return pts.filter((_, i) => keep[i]);
}

// A closed ring (last point equals first) is split at the point farthest
// from its first point, and both halves are simplified as open lines.
export function simplifyClosed(ring, tol) {
    const n = ring.length;
    let far = 0;
    let far2 = -1;
    for (let k = 1; k < n - 1; k++) {
        const dx = ring[k][0] - ring[0][0];
        const dy = ring[k][1] - ring[0][1];
        const d2 = dx * dx + dy * dy;
        if (d2 > far2) {
            far2 = d2;
            far = k;
        }
    }
    if (far === 0) return [ring[0], ring[0]];
    const keep = new Array(n).fill(false);
    markDouglasPeucker(ring, 0, far, tol * tol, keep);
    markDouglasPeucker(ring, far, n - 1, tol * tol, keep);
    return ring.filter((_, i) => keep[i]);
}

// Prints a coordinate with at most DECIMALS decimals, no trailing zeros, no
// exponent and never "-0". Works on the integer count of 1/SCALE steps so the
// text does not depend on floating-point formatting.
export function formatNumber(v) {
    const steps = Math.round(Math.abs(v) * SCALE);
    if (steps === 0) return '0';
    const whole = Math.floor(steps / SCALE);
    const frac = steps % SCALE;
    let s = (v < 0 ? '-' : '') + String(whole);
    if (frac !== 0) {
        s += '.' + String(frac).padStart(DECIMALS, '0').replace(/0+$/, '');
    }
    return s;
}

// Rounds the points to the printed precision and drops points that then
// repeat their predecessor.
function roundPoints(pts) {
    const out = [];
    let prev = null;
    for (const p of pts) {
        const q = [formatNumber(p[0]), formatNumber(p[1])];
        if (prev && prev[0] === q[0] && prev[1] === q[1]) continue;
        out.push(q);
        prev = q;
    }
    return out;
}

function extentBelow(ring, limit) {
    let minX = Infinity;
    let maxX = -Infinity;
    let minY = Infinity;
    let maxY = -Infinity;
    for (const [x, y] of ring) {
        if (x < minX) minX = x;
        if (x > maxX) maxX = x;
        if (y < minY) minY = y;
        if (y > maxY) maxY = y;
    }
    return maxX - minX < limit && maxY - minY < limit;
}

// All rings of the land geometry, outer rings and holes (lakes) alike, in the
// order of the source.
export function loadLand() {
    const require = createRequire(import.meta.url);
    const file = require.resolve('world-atlas/land-50m.json');
    const topology = JSON.parse(fs.readFileSync(file, 'utf8'));
    const land = feature(topology, topology.objects.land);
    const rings = [];
    for (const f of land.features) {
        const g = f.geometry;
        const polygons = g.type === 'Polygon' ? [g.coordinates] : g.coordinates;
        for (const polygon of polygons) {
            for (const ring of polygon) rings.push(ring);
        }
    }
    return { rings, edges: edgesFor(topology) };
}

// Turns the rings into the lines of the file. Each line is a polyline of
// rounded points: closed rings end on their first point, open runs are coast
// pieces that end at the antimeridian or the southern edge.
// Simplifying can make two edge points neighbours that were not before (a
// short coast piece between two points on the antimeridian collapses onto
// the meridian). Such segments are cut out again; pieces of fewer than two
// points vanish.
export function cutEdgeSegments(pts, edges) {
    const pieces = [];
    let piece = [pts[0]];
    for (let k = 1; k < pts.length; k++) {
        if (isEdgeSegment(pts[k - 1], pts[k], edges)) {
            pieces.push(piece);
            piece = [];
        }
        piece.push(pts[k]);
    }
    pieces.push(piece);
    return pieces.filter((p) => p.length >= 2);
}

// Turns the rings into the lines of the file. Each line is a polyline of
// rounded points: closed rings end on their first point, open runs are coast
// pieces that end at the antimeridian or the southern edge.
export function buildLines({ rings, edges }, tol = TOLERANCE, minExtent = MIN_EXTENT) {
    const lines = [];
    const stats = { rings: rings.length, closed: 0, runs: 0, dropped: 0 };
    const addRun = (run) => {
        for (const piece of cutEdgeSegments(simplifyOpen(run, tol), edges)) {
            const pts = roundPoints(piece);
            if (pts.length >= 2) {
                lines.push(pts);
                stats.runs++;
            }
        }
    };
    for (const ring of rings) {
        const parts = splitRing(ring, edges);
        if (parts.runs) {
            parts.runs.forEach(addRun);
            continue;
        }
        if (extentBelow(ring, minExtent)) {
            stats.dropped++;
            continue;
        }
        const simple = simplifyClosed(parts.closed, tol);
        const pieces = cutEdgeSegments(simple, edges);
        if (pieces.length !== 1 || pieces[0].length !== simple.length) {
            // The ring touched the antimeridian at points that simplifying
            // joined; what remains is open coast.
            pieces.forEach((p) => {
                const pts = roundPoints(p);
                if (pts.length >= 2) {
                    lines.push(pts);
                    stats.runs++;
                }
            });
            continue;
        }
        const pts = roundPoints(simple);
        // A closed line needs three distinct corners and the return to the
        // first.
        if (pts.length >= 4) {
            lines.push(pts);
            stats.closed++;
        } else {
            stats.dropped++;
        }
    }
    stats.points = lines.reduce((n, l) => n + l.length, 0);
    return { lines, stats };
}

export function render(lines) {
    let text = '';
    for (const line of lines) {
        line.forEach(([lon, lat], i) => {
            text += `${lat} ${lon} ${i === 0 ? 0 : 1}\n`;
        });
    }
    return text;
}

function main(argv) {
    let tol = TOLERANCE;
    let stats = false;
    let output = null;
    for (const arg of argv) {
        if (arg.startsWith('--tolerance=')) tol = Number(arg.slice(12));
        else if (arg === '--stats') stats = true;
        else if (output === null && !arg.startsWith('--')) output = arg;
        else {
            process.stderr.write(`erde2: unknown argument ${arg}\n`);
            return 2;
        }
    }
    if (!(tol >= 0)) {
        process.stderr.write('erde2: tolerance must be a number >= 0\n');
        return 2;
    }
    const result = buildLines(loadLand(), tol);
    if (stats) {
        process.stderr.write(`${JSON.stringify({ tolerance: tol, ...result.stats })}\n`);
    }
    if (result.stats.points > MAX_LINES) {
        process.stderr.write(
            `erde2: ${result.stats.points} points, the file may hold at most ${MAX_LINES}\n`,
        );
        return 1;
    }
    const text = render(result.lines);
    if (output === null) process.stdout.write(text);
    else fs.writeFileSync(output, text);
    return 0;
}

const invokedDirectly =
    process.argv[1] !== undefined &&
    import.meta.url === pathToFileURL(fs.realpathSync(process.argv[1])).href;
if (invokedDirectly) process.exitCode = main(process.argv.slice(2));
