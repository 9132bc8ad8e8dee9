// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The phone's remote: buttons send commands over the WebSocket, every state it pushes is shown,
// and a dropped connection is made again by itself.
'use strict';

(function () {
  const token = new URLSearchParams(location.search).get('token') || '';
  const $ = (id) => document.getElementById(id);
  let ws = null;
  let retryMs = 500;
  let retryTimer = 0;
  let lastHeard = 0;
  let state = null;
  // The prompter made a new token, or never knew this one: trying again cannot help.
  let gone = false;
  const kTokenReplaced = 4001;
  // The page comes with its words in the prompter's language; those it switches between are kept
  // on the elements as data-text-* attributes.
  const text = (id, name) => $(id).dataset['text' + name];

  function setConnection(online) {
    const c = $('connection');
    c.textContent = text('connection', online ? 'Online' : 'Offline');
    c.className = online ? 'online' : 'offline';
  }

  function giveUp() {
    gone = true;
    const c = $('connection');
    c.textContent = text('connection', 'Gone');
    c.className = 'gone';
    $('error').textContent = text('error', 'TokenInvalid');
    document.body.dataset.gone = 'true';
  }

  function connect() {
    clearTimeout(retryTimer);
    if (ws || gone) return;
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    const socket = new WebSocket(scheme + '//' + location.host + '/api/v1/ws?token=' + encodeURIComponent(token));
    ws = socket;
    socket.onopen = () => { retryMs = 500; lastHeard = Date.now(); setConnection(true); };
    socket.onmessage = (e) => {
      lastHeard = Date.now();
      let m;
      try { m = JSON.parse(e.data); } catch (err) { return; }
      if (m.error) { $('error').textContent = m.error; return; }
      if (m.event) return; // a cue fired: for show controllers, not for this page
      render(m);
    };
    socket.onclose = (e) => {
      if (ws !== socket) return;
      ws = null;
      if (e.code === kTokenReplaced || (e.code === 1008 && e.reason.startsWith('401'))) {
        giveUp();
        return;
      }
      setConnection(false);
      retryTimer = setTimeout(connect, retryMs);
      retryMs = Math.min(retryMs * 2, 5000);
    };
    socket.onerror = () => socket.close();
  }

  function send(message) {
    if (ws && ws.readyState === WebSocket.OPEN) ws.send(JSON.stringify(message));
  }

  // A connection that went quiet (the phone slept, the network dropped) is given up and made anew.
  setInterval(() => {
    if (!ws || ws.readyState !== WebSocket.OPEN) return;
    if (Date.now() - lastHeard > 12000) { ws.close(); return; }
    send({ cmd: 'state' });
  }, 5000);
  document.addEventListener('visibilitychange', () => { if (!document.hidden) connect(); });
  window.addEventListener('online', connect);

  function render(s) {
    state = s;
    document.body.dataset.running = String(s.running);
    const r = $('running');
    r.textContent = text('running', s.running ? 'Running' : 'Stopped');
    r.className = s.running ? 'running' : 'stopped';
    const b = $('startstop');
    b.textContent = text('startstop', s.running ? 'Stop' : 'Start');
    b.dataset.cmd = s.running ? 'stop' : 'start';
    b.className = 'big ' + (s.running ? 'stop' : 'go');
    $('speed').textContent = s.speed;
    $('timeToGo').textContent = s.timeToGo || '–';
    $('words').textContent = s.words;
    $('progressFill').style.width = s.progress + '%';
    $('progress').setAttribute('aria-valuenow', s.progress);
    $('lineText').textContent = s.lineText || '';
    const d = $('direction');
    d.dataset.cmd = s.direction === 'up' ? 'down' : 'up';
    d.textContent = text('direction', s.direction === 'up' ? 'Reverse' : 'Forward');
    const slider = $('speedSlider');
    if (!slider.matches(':active')) slider.value = s.speed;
    $('messageShown').textContent = s.message || '';
    renderMarkers(s.markers || []);
    renderShow(s);
  }

  // Minutes and seconds, with a sign where asked: "+1:05" under the plan, "−0:35" over it.
  function clock(seconds, signed) {
    const a = Math.abs(seconds);
    const t = Math.floor(a / 60) + ':' + String(a % 60).padStart(2, '0');
    return signed ? (seconds < 0 ? '\u2212' : '+') + t : t;
  }

  function renderShow(s) {
    const stories = s.rundown || [];
    $('show').hidden = stories.length === 0;
    if (stories.length === 0 || !s.timers) return;
    const onAir = stories[(s.story || 1) - 1];
    $('storyTitle').textContent = onAir ? onAir.index + '/' + stories.length + ' ' + onAir.title : '';
    $('storyToGo').textContent = clock(s.timers.storyToGo);
    $('showToGo').textContent = clock(s.timers.showToGo);
    $('overUnder').textContent = clock(s.timers.overUnder, true);
  }

  let markersShown = '';
  function renderMarkers(markers) {
    const key = JSON.stringify(markers.map((m) => [m.index, m.text]));
    if (key === markersShown) return;
    markersShown = key;
    const box = $('markers');
    box.replaceChildren();
    if (markers.length === 0) {
      const p = document.createElement('p');
      p.className = 'none';
      p.textContent = text('markers', 'None');
      box.append(p);
      return;
    }
    for (const m of markers) {
      const button = document.createElement('button');
      button.dataset.marker = m.index;
      button.textContent = m.index + ': ' + m.text.replace(/\s+/g, ' ').trim();
      box.append(button);
    }
  }

  document.addEventListener('click', (e) => {
    const button = e.target.closest('button');
    if (!button) return;
    $('error').textContent = '';
    if (button.dataset.marker) send({ cmd: 'jump', marker: Number(button.dataset.marker) });
    else if (button.dataset.cmd) send({ cmd: button.dataset.cmd });
  });

  $('messageForm').addEventListener('submit', (e) => {
    e.preventDefault();
    const t = $('messageText').value.trim();
    if (t) send({ cmd: 'message', text: t });
  });

  // The slider's speed goes out as it moves, at most ten times a second, and once more where it stops.
  let slideTimer = 0;
  const slider = $('speedSlider');
  const sendSpeed = () => { slideTimer = 0; send({ cmd: 'speed', speed: Number(slider.value) }); };
  slider.addEventListener('input', () => { if (!slideTimer) slideTimer = setTimeout(sendSpeed, 100); });
  slider.addEventListener('change', sendSpeed);

  setConnection(false);
  connect();
})();
