// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: MIT

'use strict'

// The package as Companion takes it: built by the module tools, unpacked as Companion's importer
// unpacks it, its manifest valid, and its bundled entry point started as Companion starts a module.
const { test } = require('node:test')
const assert = require('node:assert/strict')
const { execFileSync, fork } = require('node:child_process')
const fs = require('node:fs')
const os = require('node:os')
const path = require('node:path')
const tar = require('tar')
const { validateManifest } = require('@companion-module/base')

const moduleDir = path.join(__dirname, '..')
const pkg = JSON.parse(fs.readFileSync(path.join(moduleDir, 'package.json'), 'utf8'))

function build() {
	execFileSync(path.join(moduleDir, 'node_modules', '.bin', 'companion-module-build'), [], { cwd: moduleDir, stdio: 'pipe' })
	const { name } = JSON.parse(fs.readFileSync(path.join(moduleDir, 'companion', 'manifest.json'), 'utf8'))
	return path.join(moduleDir, `${name}-${pkg.version}.tgz`)
}

// Companion takes the archive's first entry as its one leading folder and looks for the manifest
// under it; `npm pack`'s layout (files only, no folder entry) has none there.
async function manifestAsImported(archive) {
	let root
	let manifest
	await tar.t({
		file: archive,
		onReadEntry: (entry) => {
			if (root === undefined) root = entry.path.endsWith('/') ? entry.path : `${entry.path}/`
			if (entry.path === `${root}companion/manifest.json`) {
				const parts = []
				entry.on('data', (d) => parts.push(d))
				entry.on('end', () => (manifest = JSON.parse(Buffer.concat(parts).toString('utf8'))))
			} else {
				entry.resume()
			}
		},
	})
	return manifest
}

test('the built package imports and starts as Companion does', async () => {
	const archive = build()
	const manifest = await manifestAsImported(archive)
	assert.ok(manifest, 'no companion/manifest.json under the leading folder')
	validateManifest(manifest)
	assert.equal(manifest.license, 'MIT')
	assert.equal(manifest.version, pkg.version)
	assert.equal(manifest.runtime.api, 'nodejs-ipc')

	const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'cuescroll-companion-'))
	try {
		await tar.x({ file: archive, cwd: dir, strip: 1 })
		const entry = path.resolve(dir, 'companion', manifest.runtime.entrypoint)
		assert.ok(fs.existsSync(entry), `the entry point ${manifest.runtime.entrypoint} is not in the package`)
		// Alone, with nothing else installed: everything it needs is bundled. It registers with the host.
		const child = fork(entry, [], {
			cwd: dir,
			env: {
				PATH: process.env.PATH,
				MODULE_MANIFEST: path.join(dir, 'companion', 'manifest.json'),
				CONNECTION_ID: 'test-connection',
				VERIFICATION_TOKEN: 'test-token',
			},
			stdio: ['ignore', 'ignore', 'pipe', 'ipc'],
		})
		let stderr = ''
		child.stderr.on('data', (d) => (stderr += d))
		const registered = await new Promise((resolve, reject) => {
			setTimeout(() => reject(new Error(`no register call within 10 s: ${stderr}`)), 10000).unref()
			child.on('message', (m) => m && m.name === 'register' && resolve(JSON.parse(m.payload)))
			child.on('exit', (code) => reject(new Error(`the module ended (${code}): ${stderr}`)))
		})
		child.kill()
		assert.equal(registered.connectionId, 'test-connection')
		assert.equal(registered.apiVersion, manifest.runtime.apiVersion)
	} finally {
		fs.rmSync(dir, { recursive: true, force: true })
	}
})
