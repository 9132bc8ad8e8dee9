// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: MIT

'use strict'

// The module's connection, actions and feedbacks against the real program, started here.
const { test, before, after } = require('node:test')
const assert = require('node:assert/strict')
const { spawn } = require('node:child_process')
const fs = require('node:fs')
const net = require('node:net')
const os = require('node:os')
const path = require('node:path')

const { CuescrollClient } = require('../src/client')
const { ACTIONS, FEEDBACKS, VARIABLES, presets, checks } = require('../src/definitions')
const { variableValues, overUnderText } = require('../src/state')

const TOKEN = 'companion-test-token-0123456789abcdef'
const program = process.env.CUESCROLL
let prompter
let port
let home
let script

function freePort() {
	return new Promise((resolve, reject) => {
		const s = net.createServer()
		s.on('error', reject)
		s.listen(0, '127.0.0.1', () => {
			const { port } = s.address()
			s.close(() => resolve(port))
		})
	})
}

// Resolves with the first value `pick` finds in what `emitter` emits as `event`.
function until(emitter, event, pick, ms = 10000) {
	return new Promise((resolve, reject) => {
		const timer = setTimeout(() => reject(new Error(`no ${event} as awaited`)), ms)
		const listener = (...args) => {
			const found = pick(...args)
			if (found === undefined || found === false) return
			clearTimeout(timer)
			emitter.off(event, listener)
			resolve(found)
		}
		emitter.on(event, listener)
	})
}

// Once the script is shown: the desk may connect while the program is still opening it.
async function connected(token = TOKEN) {
	const client = new CuescrollClient({ host: '127.0.0.1', port, token, retryMs: 60000 })
	const first = until(client, 'state', (s) => s.words > 0 && s)
	client.open()
	await first
	return client
}

// The program with a home of its own, once it has printed `ready`.
async function startProgram(args, ready) {
	const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'cuescroll-companion-'))
	const child = spawn(program, args, {
		env: {
			...process.env,
			HOME: dir,
			XDG_CONFIG_HOME: path.join(dir, 'config'),
			XDG_DATA_HOME: path.join(dir, 'data'),
			QT_QPA_PLATFORM: 'offscreen',
			CUESCROLL_REMOTE_TOKEN: TOKEN,
			CUESCROLL_REMOTE_ADDRESS: '127.0.0.1',
		},
		stdio: ['ignore', 'pipe', 'inherit'],
	})
	child.home = dir
	let out = ''
	await new Promise((resolve, reject) => {
		child.on('exit', (code) => reject(new Error(`the program ended (${code}): ${out}`)))
		child.stdout.on('data', (d) => {
			out += d
			if (out.includes(ready)) resolve()
		})
	})
	return child
}

function stopProgram(child) {
	child?.kill()
	if (child?.home) fs.rmSync(child.home, { recursive: true, force: true })
}

before(async () => {
	assert.ok(program && fs.existsSync(program), 'CUESCROLL names the program to test')
	port = await freePort()
	home = fs.mkdtempSync(path.join(os.tmpdir(), 'cuescroll-companion-'))
	script = path.join(home, 'script.txt')
	fs.writeFileSync(script, Array.from({ length: 400 }, (_, i) => `Line ${i + 1} of the script.`).join('\n'))
	prompter = await startProgram([`--remote=${port}`, script], 'Remote control:')
})

after(() => {
	stopProgram(prompter)
	if (home) fs.rmSync(home, { recursive: true, force: true })
})

test('feedbacks follow the prompter as actions drive it', async () => {
	const client = await connected()
	try {
		assert.equal(checks.running(client.state, {}), false)
		const started = until(client, 'state', (s) => s.running)
		assert.ok(client.send(ACTIONS.start.command({})))
		await started
		assert.equal(checks.running(client.state, {}), true)

		const fast = until(client, 'state', (s) => s.speed === 13)
		client.send(ACTIONS.speed_set.command({ speed: 13 }))
		await fast
		assert.equal(checks.speed(client.state, { compare: 'equal', speed: 13 }), true)
		assert.equal(checks.speed(client.state, { compare: 'atmost', speed: 12 }), false)
		client.send(ACTIONS.speed_step.command({ step: -3 }, client.state))
		await until(client, 'state', (s) => s.speed === 10)
		assert.equal(variableValues(client.state).speed, 10)

		client.send(ACTIONS.down.command({}))
		await until(client, 'state', (s) => s.direction === 'down')
		assert.equal(checks.direction(client.state, { direction: 'down' }), true)
		assert.equal(checks.direction(client.state, { direction: 'up' }), false)

		client.send(ACTIONS.stop.command({}))
		await until(client, 'state', (s) => !s.running)
		assert.equal(checks.running(client.state, {}), false)
		assert.equal(variableValues(client.state).running, 'stopped')
		client.send(ACTIONS.jump_fraction.command({ fraction: 1 }))
		await until(client, 'state', (s) => s.progress === 100)
	} finally {
		client.close()
	}
})

test('a follower whose leader goes away lights "leader lost"', async () => {
	const leadPort = await freePort()
	const leader = await startProgram([`--remote=${leadPort}`, '--lead', script], 'Leading through the remote control:')
	const followPort = await freePort()
	const follower = await startProgram(
		[`--remote=${followPort}`, `--follow=127.0.0.1:${leadPort}`, `--token=${TOKEN}`],
		'Remote control:',
	)
	const client = new CuescrollClient({ host: '127.0.0.1', port: followPort, token: TOKEN, retryMs: 60000 })
	try {
		// Following once it shows the leader's script.
		const linked = until(client, 'state', (s) => s.words > 0 && s)
		client.open()
		assert.equal(checks.leader_lost(await linked, {}), false)
		const lost = until(client, 'state', (s) => s.leaderLost)
		stopProgram(leader)
		await lost
		assert.equal(checks.leader_lost(client.state, {}), true)
	} finally {
		client.close()
		stopProgram(leader)
		stopProgram(follower)
	}
})

test('a command the prompter cannot take comes back refused', async () => {
	const client = await connected()
	try {
		const refused = until(client, 'refused', (a) => a)
		client.send(ACTIONS.jump_marker.command({ marker: 99 }))
		assert.match((await refused).error, /./)
	} finally {
		client.close()
	}
})

test('a running order the newsroom never sent is refused, none is taken', async () => {
	const client = await connected()
	try {
		const refused = until(client, 'refused', (a) => a)
		client.send(ACTIONS.running_order.command({ id: 'RO9' }))
		assert.equal((await refused).status, 404)
		assert.deepEqual(ACTIONS.running_order.command({ id: ' ' }), { cmd: 'runningorder', id: null })
		const state = client.state
		assert.equal(variableValues(state).running_order, '')
		assert.ok(Array.isArray(state.mos.runningOrders))
	} finally {
		client.close()
	}
})

test('a wrong token is told apart from a prompter not there', async () => {
	const client = new CuescrollClient({ host: '127.0.0.1', port, token: 'not-the-token-at-all-0123456789', retryMs: 60000 })
	const states = []
	client.on('state', (s) => states.push(s))
	const status = until(client, 'status', (s) => s === 'badtoken')
	client.open()
	try {
		await status
		assert.equal(states.length, 0)
	} finally {
		client.close()
	}
})

test('the definitions hang together', () => {
	const variables = new Set(VARIABLES.map((v) => v.variableId))
	for (const name of Object.keys(variableValues({ running: false, speed: 1, direction: 'up' })))
		assert.ok(variables.has(name), `${name} is defined`)
	const keys = Object.values(presets('cuescroll'))
	assert.equal(keys.length, 15)
	for (const key of keys) {
		for (const step of key.steps)
			for (const a of step.down) assert.ok(ACTIONS[a.actionId], `${key.name}: ${a.actionId}`)
		for (const f of key.feedbacks) assert.ok(FEEDBACKS[f.feedbackId], `${key.name}: ${f.feedbackId}`)
		for (const [, id] of key.style.text.matchAll(/\$\(cuescroll:(\w+)\)/g)) assert.ok(variables.has(id), id)
	}
	assert.deepEqual(Object.keys(checks).sort(), Object.keys(FEEDBACKS).sort())
})

test('a rundown and its timers, when the prompter has them, read as the desk shows them', () => {
	const state = {
		running: true,
		speed: 9,
		direction: 'up',
		story: 2,
		rundown: [
			{ index: 1, title: 'Headlines' },
			{ index: 2, title: 'Weather' },
		],
		timers: { showToGo: 3725, overUnder: -45, endTime: '19:29:30' },
		message: 'Wrap up',
	}
	const v = variableValues(state)
	assert.equal(v.story_title, 'Weather')
	assert.equal(v.show_to_go, '1:02:05')
	assert.equal(v.over_under, '-0:45')
	assert.equal(overUnderText(75), '+1:15')
	assert.equal(checks.over(state), true)
	assert.equal(checks.over({ ...state, timers: { overUnder: 3 } }), false)
	assert.equal(checks.story_on_air(state, { index: 2 }), true)
	assert.equal(checks.message_shown(state), true)
	assert.equal(checks.message_shown({ ...state, message: null }), false)
	const shown = variableValues({ ...state, mos: { runningOrder: 'RO1', runningOrders: [{ id: 'RO1', slug: 'Evening news' }] } })
	assert.equal(shown.running_order, 'RO1')
	assert.equal(shown.running_order_slug, 'Evening news')
})
