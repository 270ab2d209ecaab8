#!/usr/bin/env node
// Reference positions of the Moon from astronomia's own evaluation of the
// complete ELP/MPP02 series (DE405 constants): geocentric rectangular
// coordinates in km, inertial mean ecliptic and equinox of J2000.0.
//
// Usage (the package as for gen_theory_tables.mjs):
//   node tools/libs/make_moon_fixtures.mjs /tmp/sdro-astronomia/node_modules/astronomia
// Writes libs/tests/data/elpmpp02_astronomia.csv: jd_tdb, x, y, z.
import fs from 'node:fs'
import path from 'node:path'
import { fileURLToPath, pathToFileURL } from 'node:url'

const here = path.dirname(fileURLToPath(import.meta.url))
const repo = path.resolve(here, '..', '..')
const pkgDir = path.resolve(process.argv[2] ?? '/tmp/sdro-astronomia/node_modules/astronomia')
const elp = (await import(pathToFileURL(path.join(pkgDir, 'src', 'elp.js')).href)).default
const data = (await import(pathToFileURL(path.join(pkgDir, 'data', 'elpMppDeFull.js')).href)).default
const moon = new elp.Moon(data)

// 1900 to 2100 in 120 steps of an irrational fraction of a day, so the
// instants fall at every phase of the month, and instants out to the ends
// of the program's range (JD 0 and 5373484.5).
const jds = []
const step = (2488069.5 - 2415020.5) / 120
for (let k = 0; k < 120; k++) jds.push(Math.round((2415020.5 + (k + 0.381966) * step) * 1e4) / 1e4)
jds.push(0.0, 625673.5, 1721057.5, 2086307.5, 2816787.5, 3547267.5, 4642987.5, 5373484.5)

const rows = ['# jd_tdb,x_km,y_km,z_km  (astronomia ELP/MPP02 DE405, complete series, J2000 ecliptic)']
for (const jd of jds) {
  const p = moon.positionXYZ(jd)
  rows.push([jd, p.x, p.y, p.z].map(String).join(','))
}
const out = path.join(repo, 'libs', 'tests', 'data', 'elpmpp02_astronomia.csv')
fs.writeFileSync(out + '.tmp', rows.join('\n') + '\n')
fs.renameSync(out + '.tmp', out)
console.log(`wrote ${out}: ${rows.length - 1} rows`)
