// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: MIT

'use strict'

// What the desk shows, read from the prompter's state. A prompter without a rundown or timers
// leaves their values empty rather than wrong.

function clock(seconds) {
	if (typeof seconds !== 'number' || !Number.isFinite(seconds)) return ''
	const whole = Math.round(Math.abs(seconds))
	const h = Math.floor(whole / 3600)
	const m = Math.floor((whole % 3600) / 60)
	const s = String(whole % 60).padStart(2, '0')
	return h > 0 ? `${h}:${String(m).padStart(2, '0')}:${s}` : `${m}:${s}`
}

// Positive when under the plan, as the API counts it.
function overUnderText(seconds) {
	if (typeof seconds !== 'number' || !Number.isFinite(seconds)) return ''
	return (seconds < 0 ? '-' : '+') + clock(seconds)
}

function storyOnAir(state) {
	if (!state || !Array.isArray(state.rundown)) return null
	const index = typeof state.story === 'number' ? state.story : 1
	return state.rundown.find((s) => s && s.index === index) || null
}

function timers(state) {
	return (state && state.timers) || {}
}

function variableValues(state) {
	if (!state) return {}
	const story = storyOnAir(state)
	const t = timers(state)
	return {
		running: state.running ? 'running' : 'stopped',
		speed: state.speed,
		direction: state.direction,
		story: typeof state.story === 'number' ? state.story : 1,
		story_title: story ? String(story.title ?? '') : '',
		time_to_go: state.timeToGo ?? '',
		show_to_go: clock(t.showToGo),
		over_under: overUnderText(t.overUnder),
		end_time: typeof t.endTime === 'string' ? t.endTime : '',
		line_text: state.lineText ?? '',
		message: typeof state.message === 'string' ? state.message : '',
		...runningOrder(state),
	}
}

// The newsroom's running order shown, by its ID and its name; empty without a newsroom link.
function runningOrder(state) {
	const mos = state.mos && typeof state.mos === 'object' ? state.mos : {}
	const id = typeof mos.runningOrder === 'string' ? mos.runningOrder : ''
	const known = Array.isArray(mos.runningOrders) ? mos.runningOrders.find((o) => o && o.id === id) : null
	return { running_order: id, running_order_slug: known ? String(known.slug ?? '') : '' }
}

// Each feedback's answer for the state; `options` as the button set them.
const checks = {
	running: (state) => !!state?.running,
	direction: (state, options) => state?.direction === options.direction,
	speed: (state, options) => {
		const speed = state?.speed ?? 0
		if (options.compare === 'atleast') return speed >= options.speed
		if (options.compare === 'atmost') return speed <= options.speed
		return speed === options.speed
	},
	story_on_air: (state, options) => (typeof state?.story === 'number' ? state.story : 1) === options.index,
	over: (state) => typeof timers(state).overUnder === 'number' && timers(state).overUnder < 0,
	message_shown: (state) => typeof state?.message === 'string' && state.message !== '',
	leader_lost: (state) => !!state?.leaderLost,
}

module.exports = { clock, overUnderText, variableValues, checks }
