// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: MIT

'use strict'

const { checks } = require('./state')

const rgb = (r, g, b) => ((r & 0xff) << 16) | ((g & 0xff) << 8) | (b & 0xff)
const WHITE = rgb(255, 255, 255)
const BLACK = rgb(0, 0, 0)
const GREEN = rgb(0, 150, 0)
const RED = rgb(200, 0, 0)
const AMBER = rgb(230, 150, 0)
const BLUE = rgb(0, 80, 180)

// The commands without a value, by the API's names.
const SIMPLE = [
	['start', 'Start'],
	['stop', 'Stop'],
	['toggle', 'Start or stop'],
	['reset', 'Reset to the beginning'],
	['back', 'Step back'],
	['forward', 'Step forward'],
	['pageback', 'Page back'],
	['pageforward', 'Page forward'],
	['home', 'Beginning'],
	['end', 'End'],
	['slower', 'Slower'],
	['faster', 'Faster'],
	['up', 'Direction: up the screen'],
	['down', 'Direction: down the screen'],
	['fullscreen', 'Full screen on or off'],
	['nextstory', 'Next story'],
	['prevstory', 'Previous story'],
]

const number = (id, label, min, max, def) => ({ type: 'number', id, label, min, max, default: def })

// Every action as {name, options, command(options)}; the module sends what `command` returns.
const ACTIONS = {
	...Object.fromEntries(SIMPLE.map(([cmd, name]) => [cmd, { name, options: [], command: () => ({ cmd }) }])),
	speed_set: {
		name: 'Speed: set',
		options: [number('speed', 'Speed (1–16)', 1, 16, 8)],
		command: (o) => ({ cmd: 'speed', speed: Number(o.speed) }),
	},
	speed_step: {
		name: 'Speed: step by',
		options: [number('step', 'Step (negative: slower)', -15, 15, 1)],
		command: (o, state) => ({
			cmd: 'speed',
			speed: Math.min(16, Math.max(1, (state?.speed ?? 8) + Number(o.step))),
		}),
	},
	jump_marker: {
		name: 'Jump to a marker',
		options: [number('marker', 'Marker (from 1)', 1, 999, 1)],
		command: (o) => ({ cmd: 'jump', marker: Number(o.marker) }),
	},
	jump_fraction: {
		name: 'Jump to a place (fraction of the script)',
		options: [number('fraction', 'Fraction (0–1)', 0, 1, 0.5)],
		command: (o) => ({ cmd: 'jump', fraction: Number(o.fraction) }),
	},
	story: {
		name: 'Go to story',
		options: [number('index', 'Story (from 1)', 1, 999, 1)],
		command: (o) => ({ cmd: 'story', index: Number(o.index) }),
	},
	running_order: {
		name: "Newsroom: show a running order",
		options: [
			{
				type: 'textinput',
				id: 'id',
				label: 'Running order ID (empty: none)',
				default: '',
			},
		],
		command: (o) => ({ cmd: 'runningorder', id: String(o.id ?? '').trim() || null }),
	},
	message_send: {
		name: 'Message to the talent: show',
		options: [
			{ type: 'textinput', id: 'text', label: 'Text', default: 'Wrap up' },
			number('seconds', 'For seconds (0: until cleared)', 0, 3600, 0),
		],
		command: (o) => {
			const c = { cmd: 'message', text: String(o.text ?? '') }
			if (Number(o.seconds) > 0) c.seconds = Number(o.seconds)
			return c
		},
	},
	message_clear: {
		name: 'Message to the talent: clear',
		options: [],
		command: () => ({ cmd: 'clearmessage' }),
	},
	target_end: {
		name: 'Target: end at',
		options: [{ type: 'textinput', id: 'end', label: 'End time (HH:MM)', default: '19:30' }],
		command: (o) => ({ cmd: 'target', end: String(o.end ?? '') }),
	},
	target_duration: {
		name: 'Target: last for',
		options: [number('duration', 'Seconds', 1, 86400, 1800)],
		command: (o) => ({ cmd: 'target', duration: Number(o.duration) }),
	},
}

const FEEDBACKS = {
	running: { name: 'Running', options: [], defaultStyle: { bgcolor: GREEN, color: WHITE } },
	direction: {
		name: 'Direction',
		options: [
			{
				type: 'dropdown',
				id: 'direction',
				label: 'Direction',
				default: 'up',
				choices: [
					{ id: 'up', label: 'Up the screen' },
					{ id: 'down', label: 'Down the screen' },
				],
			},
		],
		defaultStyle: { bgcolor: BLUE, color: WHITE },
	},
	speed: {
		name: 'Speed',
		options: [
			{
				type: 'dropdown',
				id: 'compare',
				label: 'When the speed is',
				default: 'equal',
				choices: [
					{ id: 'equal', label: 'exactly' },
					{ id: 'atleast', label: 'at least' },
					{ id: 'atmost', label: 'at most' },
				],
			},
			number('speed', 'Speed', 1, 16, 8),
		],
		defaultStyle: { bgcolor: AMBER, color: BLACK },
	},
	story_on_air: {
		name: 'Story on air',
		options: [number('index', 'Story (from 1)', 1, 999, 1)],
		defaultStyle: { bgcolor: RED, color: WHITE },
	},
	over: { name: 'Over the plan', options: [], defaultStyle: { bgcolor: RED, color: WHITE } },
	message_shown: { name: 'Message shown to the talent', options: [], defaultStyle: { bgcolor: AMBER, color: BLACK } },
	leader_lost: { name: 'Leader lost', options: [], defaultStyle: { bgcolor: RED, color: WHITE } },
}

const VARIABLES = [
	{ variableId: 'running', name: 'Running or stopped' },
	{ variableId: 'speed', name: 'Speed' },
	{ variableId: 'direction', name: 'Direction' },
	{ variableId: 'story', name: 'Story on air (number)' },
	{ variableId: 'story_title', name: 'Story on air (title)' },
	{ variableId: 'time_to_go', name: 'Time to go (script)' },
	{ variableId: 'show_to_go', name: 'Time to go (show)' },
	{ variableId: 'over_under', name: 'Over/under the plan' },
	{ variableId: 'end_time', name: 'End time' },
	{ variableId: 'line_text', name: 'Words at the reading line' },
	{ variableId: 'message', name: 'Message shown to the talent' },
	{ variableId: 'running_order', name: 'Newsroom running order shown (ID)' },
	{ variableId: 'running_order_slug', name: 'Newsroom running order shown (name)' },
]

function button(name, text, actionId, options = {}, feedbacks = [], size = 'auto') {
	return {
		type: 'button',
		category: 'Prompter',
		name,
		style: { text, size, color: WHITE, bgcolor: BLACK },
		steps: [{ down: [{ actionId, options }], up: [] }],
		feedbacks,
	}
}

// A page of fifteen keys, in the order a 5 × 3 desk lays them out.
function presets(label) {
	const v = (id) => `$(${label}:${id})`
	const on = (feedbackId, options = {}) => [{ feedbackId, options, style: FEEDBACKS[feedbackId].defaultStyle }]
	const list = [
		button('Start or stop', 'START\\nSTOP', 'toggle', {}, on('running')),
		button('Reset', 'RESET', 'reset'),
		button('Slower', 'SLOWER', 'slower'),
		button('Speed', `SPEED\\n${v('speed')}`, 'faster', {}, on('speed', { compare: 'atleast', speed: 12 })),
		button('Faster', 'FASTER', 'faster'),
		button('Previous story', 'PREV\\nSTORY', 'prevstory'),
		button('Story on air', v('story_title'), 'nextstory', {}, [], '7'),
		button('Next story', 'NEXT\\nSTORY', 'nextstory'),
		button('Page back', 'PAGE\\nBACK', 'pageback'),
		button('Page forward', 'PAGE\\nFWD', 'pageforward'),
		button('Direction', 'UP', 'up', {}, on('direction', { direction: 'up' })),
		button('Time to go', `TO GO\\n${v('show_to_go')}`, 'toggle'),
		button('Over/under', `+/-\\n${v('over_under')}`, 'toggle', {}, on('over')),
		button('Wrap up', 'WRAP\\nUP', 'message_send', { text: 'Wrap up', seconds: 0 }, on('message_shown')),
		button('Clear message', 'CLEAR\\nMSG', 'message_clear'),
	]
	// The three display keys show; pressing them does what the key beside them does.
	list[11].steps = [{ down: [], up: [] }]
	list[12].steps = [{ down: [], up: [] }]
	return Object.fromEntries(list.map((p, i) => [`key${i + 1}`, p]))
}

module.exports = { ACTIONS, FEEDBACKS, VARIABLES, presets, checks }
