// Starts the program in the page: connects the gadget layer's document side
// to the program's two entry points, marks the page ready once the first page
// is laid out, and registers the service worker that keeps the program for use
// without a network.
"use strict";

var Module = {
  onRuntimeInitialized: function () {
    BrindleDom.connect(function (kind, win, item) {
      Module._brindle_queue_event(kind, win, item);
      if (!Module._brindle_handle_events()) showEnded();
    });
  },
  postRun: [function () {
    BrindleDom.arrange();
    document.body.dataset.readyAt = String(Math.round(performance.now()));
    document.body.dataset.ready = "1";
  }],
};

// Exit and the page's Close end the program, as on the desktop; the tab stays
// with a way to start again.
function showEnded() {
  var app = document.getElementById("app");
  app.textContent = "";
  var note = document.createElement("section");
  note.className = "ended";
  note.innerHTML = "<p>Brindle's Math has closed.</p><button>Start again</button>";
  note.querySelector("button").addEventListener("click", function () { location.reload(); });
  app.appendChild(note);
  document.title = "Brindle's Math";
}

if ("serviceWorker" in navigator && location.protocol !== "file:") {
  window.addEventListener("load", function () {
    navigator.serviceWorker.register("service_worker.js").catch(function () {});
  });
}
