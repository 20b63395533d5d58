#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Derives the coastline of Japan that the map generator draws from.
//
// Input: countries-10m.json of the npm package world-atlas 2.0.2 (Natural
// Earth 1:10m Admin 0 countries as quantised TopoJSON). The country with the
// ISO numeric code 392 is Japan; its polygons are decoded from the shared,
// delta-encoded arcs, cut down to the islands the maps can show, simplified
// and written as plain text, one ring per line, in degrees of longitude and
// latitude.
//
// Usage: node tools/mapgen/derive-outline.js <countries-10m.json> > campaign/map/JapanOutline.txt
'use strict';

const fs = require('fs');

// The part of the globe the maps show, and the smallest island worth keeping.
const West = 122, East = 146, South = 24, North = 46;
const SmallestIslandKm2 = 8;
// Douglas-Peucker tolerance in degrees: about a third of a pixel on the large map.
const Tolerance = 0.0025;
const KmPerDegree = 111.2;

function DecodeArcs(topology) {
    const [scaleX, scaleY] = topology.transform.scale;
    const [translateX, translateY] = topology.transform.translate;
    return topology.arcs.map((arc) => {
        let x = 0, y = 0;
        return arc.map(([deltaX, deltaY]) => {
            x += deltaX;
            y += deltaY;
            return [x * scaleX + translateX, y * scaleY + translateY];
        });
    });
}

// A ring is a list of arc indexes; a negative index ~i means arc i backwards.
// Consecutive arcs share their end point, which is dropped once.
function JoinRing(arcs, indexes) {
    const ring = [];
    indexes.forEach((index, position) => {
        const arc = index >= 0 ? arcs[index] : arcs[~index].slice().reverse();
        ring.push(...(position === 0 ? arc : arc.slice(1)));
    });
    if (ring.length > 1) {
        const [first, last] = [ring[0], ring[ring.length - 1]];
        if (first[0] === last[0] && first[1] === last[1]) ring.pop();
    }
    return ring;
}

function AreaKm2(ring) {
    let twiceArea = 0, latitudeSum = 0;
    ring.forEach(([x, y], i) => {
        const [nextX, nextY] = ring[(i + 1) % ring.length];
        twiceArea += x * nextY - nextX * y;
        latitudeSum += y;
    });
    const shrink = Math.cos((latitudeSum / ring.length) * Math.PI / 180);
    return Math.abs(twiceArea / 2) * shrink * KmPerDegree * KmPerDegree;
}

function DistanceToSegment(point, start, end) {
    const [px, py] = point, [ax, ay] = start, [bx, by] = end;
    const dx = bx - ax, dy = by - ay;
    const lengthSquared = dx * dx + dy * dy;
    let t = lengthSquared === 0 ? 0 : ((px - ax) * dx + (py - ay) * dy) / lengthSquared;
    t = Math.max(0, Math.min(1, t));
    return Math.hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Douglas-Peucker on a closed ring: the ring is split at its first point and
// the point farthest from it, and each half simplified on its own.
function Simplify(ring) {
    if (ring.length < 8) return ring;
    let far = 0, farDistance = -1;
    ring.forEach((point, i) => {
        const distance = Math.hypot(point[0] - ring[0][0], point[1] - ring[0][1]);
        if (distance > farDistance) [far, farDistance] = [i, distance];
    });
    const keep = new Array(ring.length).fill(false);
    keep[0] = keep[far] = true;
    const stack = [[0, far], [far, ring.length]];
    while (stack.length > 0) {
        const [from, to] = stack.pop();
        const end = ring[to % ring.length];
        let worst = -1, worstDistance = 0;
        for (let i = from + 1; i < to; ++i) {
            const distance = DistanceToSegment(ring[i], ring[from], end);
            if (distance > worstDistance) [worst, worstDistance] = [i, distance];
        }
        if (worst >= 0 && worstDistance > Tolerance) {
            keep[worst] = true;
            stack.push([from, worst], [worst, to]);
        }
    }
    return ring.filter((_, i) => keep[i]);
}

function Main() {
    const source = process.argv[2];
    if (!source) {
        process.stderr.write('usage: derive-outline.js <countries-10m.json>\n');
        process.exit(2);
    }
    const topology = JSON.parse(fs.readFileSync(source, 'utf8'));
    const arcs = DecodeArcs(topology);
    const japan = topology.objects.countries.geometries.find((country) => country.id === '392');
    const polygons = japan.type === 'Polygon' ? [japan.arcs] : japan.arcs;

    const islands = [];
    for (const polygon of polygons) {
        // Natural Earth's Japan has no holes; an island's first ring is its coast.
        const coast = JoinRing(arcs, polygon[0]);
        const inside = coast.some(([x, y]) => x >= West && x <= East && y >= South && y <= North);
        const area = AreaKm2(coast);
        if (inside && area >= SmallestIslandKm2) islands.push({coast: Simplify(coast), area});
    }
    // Largest first, so the order does not depend on the order of the arcs.
    islands.sort((a, b) => b.area - a.area || a.coast[0][0] - b.coast[0][0]);

    const lines = [
        '# Coastline of Japan: Natural Earth 1:10m Admin 0 countries (public domain),',
        '# from the npm package world-atlas 2.0.2 (ISC), derived by',
        '# tools/mapgen/derive-outline.js. One island per line: its area in km2, then',
        '# its coast as longitude,latitude pairs in degrees, in drawing order.',
    ];
    for (const island of islands) {
        const points = island.coast.map(([x, y]) => `${x.toFixed(3)},${y.toFixed(3)}`);
        lines.push(`${Math.round(island.area)} ${points.join(' ')}`);
    }
    process.stdout.write(lines.join('\n') + '\n');
}

Main();
