// SPDX-License-Identifier: GPL-3.0-or-later
// The day's challenge in the browser: "Gioca" asks the site for the letters (the site
// starts its own clock then), the seconds run down, and the word goes back as a plain
// form. On the result page, "Copia" copies the text to share. The site judges all.
"use strict";

(function () {
  const announce = (text) => {
    const status = document.getElementById("annuncio");
    if (status) status.textContent = text;
  };

  const start = document.getElementById("avvio");
  if (start) {
    const sendForm = document.getElementById("invio");
    let sent = false;
    const send = () => {
      if (sent) return;
      sent = true;
      sendForm.submit();
    };
    sendForm.addEventListener("submit", (event) => {
      if (sent) event.preventDefault();
      sent = true;
    });
    start.addEventListener("submit", async (event) => {
      event.preventDefault();
      document.getElementById("gioca").disabled = true;
      let answer;
      try {
        const response = await fetch(start.action, {
          method: "POST",
          credentials: "same-origin",
          headers: { "Content-Type": "application/x-www-form-urlencoded" },
          body: new URLSearchParams(new FormData(start)).toString(),
        });
        if (!response.ok) throw new Error(String(response.status));
        answer = await response.json();
      } catch (error) {
        document.getElementById("gioca").disabled = false;
        announce("Non è stato possibile iniziare la sfida: riprova.");
        return;
      }
      if (answer.fatto) {
        window.location.assign(answer.indirizzo);
        return;
      }
      const list = document.getElementById("lettere");
      list.replaceChildren();
      list.setAttribute("aria-label", "Lettere: " + answer.lettere.split("").join(" "));
      for (const letter of answer.lettere) {
        const item = document.createElement("li");
        item.textContent = letter;
        list.appendChild(item);
      }
      document.getElementById("inizio").hidden = true;
      document.getElementById("partita").hidden = false;
      document.getElementById("parola").focus();
      announce("Lettere estratte: " + answer.lettere.split("").join(" ") + ". Hai 60 secondi.");
      const end = Date.now() + answer.millisecondi;
      const shown = document.getElementById("tempo");
      let last = -1;
      const tick = () => {
        const left = Math.max(0, Math.ceil((end - Date.now()) / 1000));
        if (left !== last) {
          last = left;
          shown.textContent = String(left);
          if (left === 30 || left === 10) announce(left + " secondi rimasti");
        }
        if (left === 0) {
          send();
          return;
        }
        window.setTimeout(tick, 200);
      };
      tick();
    });
  }

  const copy = document.getElementById("copia");
  if (copy) {
    copy.addEventListener("click", async () => {
      const text = document.getElementById("condividi").textContent;
      try {
        await navigator.clipboard.writeText(text);
        announce("Testo copiato.");
      } catch (error) {
        const range = document.createRange();
        range.selectNodeContents(document.getElementById("condividi"));
        const selection = window.getSelection();
        selection.removeAllRanges();
        selection.addRange(range);
        announce("Testo selezionato: copialo con Ctrl+C.");
      }
    });
  }
})();
