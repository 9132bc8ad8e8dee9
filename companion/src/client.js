// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: MIT

'use strict'

const { EventEmitter } = require('node:events')
const WebSocket = require('ws')

// One connection to a prompter's WebSocket API: it hears the state pushed at every change, sends
// commands, and comes back by itself when the prompter goes away.
class CuescrollClient extends EventEmitter {
	constructor({ host, port, token, retryMs = 2000 }) {
		super()
		this.host = host
		this.port = port
		this.token = token
		this.retryMs = retryMs
		this.state = null
		this.status = 'connecting'
		this.socket = null
		this.timer = null
		this.closed = false
	}

	url() {
		const host = this.host.includes(':') ? `[${this.host}]` : this.host
		return `ws://${host}:${this.port}/api/v1/ws`
	}

	open() {
		this.closed = false
		// The token goes in a header, not in the address, so that no log shows it.
		const socket = new WebSocket(this.url(), { headers: { Authorization: `Bearer ${this.token}` } })
		this.socket = socket
		// Let in or not, the socket opens: the first state says it was let in.
		socket.on('message', (data) => this.received(data.toString()))
		socket.on('unexpected-response', (_request, response) => {
			this.setStatus(response.statusCode === 401 ? 'badtoken' : 'failed', `HTTP ${response.statusCode}`)
		})
		socket.on('error', (error) => this.setStatus('failed', error.message))
		socket.on('close', (code) => {
			if (code === 1008 || code === 4001) this.setStatus('badtoken', `closed ${code}`)
			else if (this.status === 'ok') this.setStatus('failed', `closed ${code}`)
			this.retry()
		})
	}

	retry() {
		if (this.closed || this.timer) return
		this.timer = setTimeout(() => {
			this.timer = null
			if (!this.closed) this.open()
		}, this.retryMs)
	}

	close() {
		this.closed = true
		clearTimeout(this.timer)
		this.timer = null
		if (this.socket) this.socket.terminate()
		this.socket = null
	}

	setStatus(status, why = '') {
		if (status === this.status) return
		this.status = status
		this.emit('status', status, why)
	}

	received(text) {
		let message
		try {
			message = JSON.parse(text)
		} catch {
			return
		}
		if (message && typeof message.error === 'string') {
			this.emit('refused', message)
			return
		}
		if (message && typeof message.running === 'boolean') {
			this.state = message
			this.setStatus('ok')
			this.emit('state', message)
		}
	}

	// False when not connected: the command is not kept for later, a desk's press is for now.
	send(command) {
		if (!this.socket || this.socket.readyState !== WebSocket.OPEN) return false
		this.socket.send(JSON.stringify(command))
		return true
	}
}

module.exports = { CuescrollClient }
