// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby of the live tables: the open tables, refreshed every few seconds, and the
// form that opens a new one. Every rule is the server's; this only shows and asks.
'use strict';

const LANGUAGES = { 1: 'Italiano', 2: 'Inglese', 3: 'Latino' };
const LEVELS = { 1: 'Principiante', 2: 'Medio', 3: 'Esperto' };

function socketAddress() {
  const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
  return scheme + '//' + location.host + '/letterama/online/ws';
}

function cell(row, text) {
  const td = document.createElement('td');
  td.textContent = text;
  row.appendChild(td);
  return td;
}

function showTables(tables) {
  const body = document.querySelector('#tavoli tbody');
  body.replaceChildren();
  for (const table of tables) {
    const row = document.createElement('tr');
    cell(row, LANGUAGES[table.language] || '');
    cell(row, String(table.letters));
    cell(row, table.seconds + ' Sec.');
    cell(row, LEVELS[table.level] || '');
    cell(row, (4 - table.free) + ' / 4' + (table.playing ? ' (in gioco)' : ''));
    const link = document.createElement('a');
    link.href = '/letterama/online/tavolo/' + encodeURIComponent(table.id);
    link.textContent = table.free > 0 ? 'Siediti' : 'Guarda';
    cell(row, '').appendChild(link);
    body.appendChild(row);
  }
  document.getElementById('nessuno').hidden = tables.length > 0;
}

function start() {
  const status = document.getElementById('stato');
  let socket = null;
  let timer = null;

  function connect() {
    socket = new WebSocket(socketAddress());
    socket.addEventListener('open', () => {
      socket.send(JSON.stringify({ t: 'lobby' }));
      timer = setInterval(() => socket.send(JSON.stringify({ t: 'lobby' })), 3000);
    });
    socket.addEventListener('message', (event) => {
      const message = JSON.parse(event.data);
      if (message.t === 'tables') {
        showTables(message.tables);
      } else if (message.t === 'created') {
        // The seat is the browser's through its cookie: the token stays out of the page's storage.
        location.href = '/letterama/online/tavolo/' + encodeURIComponent(message.table);
      } else if (message.t === 'refused') {
        status.textContent = message.text;
      }
    });
    socket.addEventListener('close', () => {
      clearInterval(timer);
      setTimeout(connect, 3000);
    });
  }

  document.getElementById('crea').addEventListener('submit', (event) => {
    event.preventDefault();
    const name = document.getElementById('nome').value.trim();
    if (!name) {
      status.textContent = 'Scrivi il tuo nome.';
      return;
    }
    localStorage.setItem('letterama-nome', name);
    socket.send(JSON.stringify({
      t: 'create',
      name: name,
      language: Number(document.getElementById('lingua').value),
      letters: Number(document.getElementById('lettere').value),
      seconds: Number(document.getElementById('tempo').value),
      level: Number(document.getElementById('livello').value),
    }));
  });
  document.getElementById('nome').value = localStorage.getItem('letterama-nome') || '';
  connect();
}

document.addEventListener('DOMContentLoaded', start);
