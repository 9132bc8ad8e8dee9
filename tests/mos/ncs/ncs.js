// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A newsroom system for the tests: drives the prompter's device step by step. Usage:
//   node ncs.js MOSID DEVICE_LOWER DEVICE_UPPER OWN_LOWER OWN_UPPER OWN_QUERY
// Each line on stdin names a step; each step answers one line on stdout: "<step> <status>".
// What the device starts is reported as it arrives: "onair <roID> <storyID>", "reqall".
'use strict'
const readline = require('readline')
const { MosConnection, getMosTypes } = require('@mos-connection/connector')

const [mosID, devLower, devUpper, ownLower, ownUpper, ownQuery] = process.argv.slice(2)
const types = getMosTypes(false)
const s = (text) => types.mosString128.create(text)
const say = (line) => process.stdout.write(line + '\n')
const str = (x) => (x && typeof x === 'object' ? types.mosString128.stringify(x) : `${x}`)

const story = (id, slug) => ({ ID: s(id), Slug: s(slug), Items: [] })
const order = {
  ID: s('RO1'),
  Slug: s('Evening news'),
  Stories: [story('S1', 'Opening'), story('S2', 'Weather'), story('S3', 'Sport')],
}
const body = (id, slug, ...paragraphs) => ({
  ID: s(id),
  Slug: s(slug),
  RunningOrderId: s('RO1'),
  Body: paragraphs.map((p) => (p.startsWith('!') ? { Type: 'pi', Content: p.slice(1) } : { Type: 'p', Content: p })),
})

async function main() {
  // The connector names itself in the mosID field of what it sends: it is given the device's id,
  // and the newsroom's as the other side, so that the header reads as a newsroom's would.
  const conn = new MosConnection({
    mosID,
    acceptsConnections: true,
    // The library's profile 2 needs its profile 1; the device is asked for nothing of it.
    profiles: { 0: true, 1: true, 2: true, 3: false, 4: true },
    ports: { lower: +ownLower, upper: +ownUpper, query: +ownQuery },
  })
  conn.on('error', () => {})
  conn.on('warning', () => {})
  await conn.init()
  const device = await conn.connect({
    primary: {
      id: 'test.ncs',
      host: '127.0.0.1',
      ports: { lower: +devLower, upper: +devUpper, query: +devUpper + 1 },
      dontUseQueryPort: true,
      timeout: 4000,
      heartbeatInterval: 1000,
    },
  })
  device.onStoryStatus(async (status) => {
    say(`onair ${str(status.RunningOrderId)} ${str(status.ID)}`)
    return { ID: status.RunningOrderId, Status: s('OK'), Stories: [] }
  })
  device.onRequestAllRunningOrders(async () => {
    say('reqall')
    return [order]
  })
  device.onRequestRunningOrder(async (id) => (`${id}` === 'RO1' ? order : null))
  device.onRunningOrderStatus(async (st) => ({ ID: st.ID, Status: s('OK'), Stories: [] }))
  device.onItemStatus(async (st) => ({ ID: st.RunningOrderId, Status: s('OK'), Stories: [] }))

  // A longer order, read in its middle while the newsroom replaces it whole with one story more on top.
  const many = Array.from({ length: 20 }, (_, i) => `M${i + 1}`)
  const late = (ids) => ({ ID: s('RO2'), Slug: s('Late news'), Stories: ids.map((id) => story(id, `Story ${id}`)) })
  const lateBody = (id) => ({
    ID: s(id),
    Slug: s(`Story ${id}`),
    RunningOrderId: s('RO2'),
    Body: Array.from({ length: 8 }, (_, i) => ({ Type: 'p', Content: `${id} line ${i + 1} with words for the presenter to read.` })),
  })
  const action = (storyId) => ({ RunningOrderID: s('RO1'), StoryID: s(storyId) })
  const weather = Array.from({ length: 40 }, (_, i) => `Weather line ${i + 1} with words for the presenter to read.`)
  const steps = {
    machine: async () => str((await device.requestMachineInfo()).model),
    create: async () => {
      const acks = [await device.sendCreateRunningOrder(order)]
      acks.push(await device.sendRunningOrderStory(body('S1', 'Opening', 'Good evening.', '!Camera two', 'Our top story.')))
      acks.push(await device.sendRunningOrderStory(body('S2', 'Weather', 'Sun all week.')))
      acks.push(await device.sendRunningOrderStory(body('S3', 'Sport', 'The final tonight.')))
      return acks.map((a) => str(a.Status)).join(',')
    },
    insert: async () => {
      const a = await device.sendROInsertStories(action('S3'), [story('S4', 'Traffic')])
      const b = await device.sendRunningOrderStory(body('S4', 'Traffic', 'Roads are clear.'))
      return `${str(a.Status)},${str(b.Status)}`
    },
    replace: async () => {
      const a = await device.sendROReplaceStories(action('S2'), [story('S2', 'Weather update')])
      const b = await device.sendRunningOrderStory(body('S2', 'Weather update', 'Rain after all.'))
      return `${str(a.Status)},${str(b.Status)}`
    },
    // The second story grows long enough to be read for a while, then changes while it is read.
    long: async () => str((await device.sendRunningOrderStory(body('S2', 'Weather', ...weather))).Status),
    update: async () => {
      const a = await device.sendROReplaceStories(action('S2'), [story('S2', 'Weather update')])
      const b = await device.sendRunningOrderStory(body('S2', 'Weather update', 'Storm warning first.', ...weather))
      return `${str(a.Status)},${str(b.Status)}`
    },
    deleteweather: async () => str((await device.sendRODeleteStories({ RunningOrderID: s('RO1') }, [s('S2')])).Status),
    delete: async () => str((await device.sendRODeleteStories({ RunningOrderID: s('RO1') }, [s('S4')])).Status),
    wrongstory: async () => str((await device.sendRODeleteStories({ RunningOrderID: s('RO1') }, [s('NONE')])).Status),
    late: async () => {
      const acks = [await device.sendCreateRunningOrder(late(many))]
      for (const id of many) acks.push(await device.sendRunningOrderStory(lateBody(id)))
      return acks.every((a) => str(a.Status) === 'OK') ? 'OK' : 'failed'
    },
    replacelate: async () => {
      const a = await device.sendReplaceRunningOrder(late(['M0', ...many]))
      const b = await device.sendRunningOrderStory(lateBody('M0'))
      return `${str(a.Status)},${str(b.Status)}`
    },
    droporder: async () => str((await device.sendDeleteRunningOrder(s('RO1'))).Status),
    quit: async () => {
      await conn.dispose()
      process.exit(0)
    },
  }

  // Ready once the device answers the heartbeats on both ports.
  for (let i = 0; i < 100 && !device.getConnectionStatus().PrimaryConnected; i++)
    await new Promise((r) => setTimeout(r, 100))
  say(device.getConnectionStatus().PrimaryConnected ? 'ready yes' : 'ready no')

  for await (const line of readline.createInterface({ input: process.stdin })) {
    const step = steps[line.trim()]
    if (!step) {
      say(`${line.trim()} unknown`)
      continue
    }
    try {
      say(`${line.trim()} ${await step()}`)
    } catch (e) {
      say(`${line.trim()} error ${`${e}`.replace(/\s+/g, ' ')}`)
    }
  }
}

main().catch((e) => {
  say(`failed ${e}`)
  process.exit(1)
})
