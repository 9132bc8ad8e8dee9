// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: MIT

'use strict'

const { InstanceBase, InstanceStatus, Regex, runEntrypoint } = require('@companion-module/base')
const { CuescrollClient } = require('./client')
const { ACTIONS, FEEDBACKS, VARIABLES, presets, checks } = require('./definitions')
const { variableValues } = require('./state')

const STATUS = {
	ok: InstanceStatus.Ok,
	connecting: InstanceStatus.Connecting,
	failed: InstanceStatus.ConnectionFailure,
	badtoken: InstanceStatus.AuthenticationFailure,
}

class CuescrollInstance extends InstanceBase {
	async init(config) {
		this.setActionDefinitions(
			Object.fromEntries(
				Object.entries(ACTIONS).map(([id, a]) => [
					id,
					{
						name: a.name,
						options: a.options,
						callback: (event) => {
							if (!this.client?.send(a.command(event.options, this.client.state)))
								this.log('warn', `${id}: not connected`)
						},
					},
				]),
			),
		)
		this.setFeedbackDefinitions(
			Object.fromEntries(
				Object.entries(FEEDBACKS).map(([id, f]) => [
					id,
					{
						type: 'boolean',
						name: f.name,
						options: f.options,
						defaultStyle: f.defaultStyle,
						callback: (feedback) => checks[id](this.client?.state, feedback.options),
					},
				]),
			),
		)
		this.setVariableDefinitions(VARIABLES)
		this.setPresetDefinitions(presets(this.label))
		await this.configUpdated(config)
	}

	async configUpdated(config) {
		this.config = config
		this.client?.close()
		if (!config.host || !config.token) {
			this.updateStatus(InstanceStatus.BadConfig, 'Address and token needed')
			return
		}
		this.updateStatus(InstanceStatus.Connecting)
		this.client = new CuescrollClient({ host: config.host, port: Number(config.port) || 8777, token: config.token })
		this.client.on('status', (status, why) => this.updateStatus(STATUS[status], why))
		this.client.on('state', (state) => {
			this.setVariableValues(variableValues(state))
			this.checkFeedbacks()
		})
		this.client.on('refused', (answer) => this.log('info', `refused: ${answer.error}`))
		this.client.open()
	}

	async destroy() {
		this.client?.close()
	}

	getConfigFields() {
		return [
			{ type: 'textinput', id: 'host', label: 'Prompter address', width: 8, default: '127.0.0.1', regex: Regex.HOSTNAME },
			{ type: 'number', id: 'port', label: 'Port', width: 4, min: 1, max: 65535, default: 8777 },
			{ type: 'textinput', id: 'token', label: 'Token (Remote control window)', width: 12, default: '' },
		]
	}
}

runEntrypoint(CuescrollInstance, [])
