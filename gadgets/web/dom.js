// The gadget layer's side in the document: windows as sections of the page,
// controls as real form elements, menus, keys, the message box, and the two
// layouts of a window's controls. The program (C++) calls in through
// library_dom.js; what the user does goes out through `connect`'s sender.
"use strict";

var BrindleDom = (function () {
  var Kind = { Label: 1, EditField: 2, Button: 3, CheckBox: 4, ComboBox: 5, TextArea: 6, Hyperlink: 7, Picture: 8 };
  var Ev = { Gadget: 1, Menu: 2, Close: 3 };
  var Flag = { CloseBox: 2, Sunken: 1, ReadOnly: 2 };

  var windows = new Map(); // id -> {el, titleEl, menubar, client, keys, x, y, w, h}
  var controls = new Map(); // id -> {el, input, kind, win, x, y, w, h, name}
  var building = []; // the menus taking items, innermost last
  var sender = null;
  var busy = false;
  var pending = [];
  var flowOrder = "rows";
  var arrangeWanted = false;

  function byId(id) { return controls.get(id); }

  // What the user did goes to the program one event at a time; an event that
  // arrives while the program handles another waits its turn.
  function send(kind, win, item) {
    pending.push([kind, win, item]);
    if (busy || !sender) return;
    busy = true;
    try {
      while (pending.length) sender.apply(null, pending.shift());
    } finally {
      busy = false;
    }
    if (arrangeWanted) arrange();
  }

  // "&C" marks C as the access letter: shown underlined, kept as the key.
  function markedText(el, text) {
    el.textContent = "";
    var key = "";
    for (var i = 0; i < text.length; i++) {
      var c = text[i];
      if (c === "&" && i + 1 < text.length) {
        c = text[++i];
        if (c !== "&" && !key) {
          key = c.toLowerCase();
          var u = document.createElement("u");
          u.textContent = c;
          el.appendChild(u);
          continue;
        }
      }
      el.appendChild(document.createTextNode(c));
    }
    el.dataset.key = key;
    return el.textContent;
  }

  // --- Windows ------------------------------------------------------------

  function window_(id, x, y, w, h, title, flags) {
    destroyWindow(id);
    var el = document.createElement("section");
    el.className = "window " + (id === 0 ? "main" : "panel");
    el.dataset.window = id;
    el.setAttribute("aria-label", title);
    var bar = document.createElement("header");
    bar.className = "titlebar";
    var titleEl = document.createElement("h1");
    titleEl.textContent = title;
    bar.appendChild(titleEl);
    if (id !== 0 && flags & Flag.CloseBox) {
      var close = document.createElement("button");
      close.className = "closebox";
      close.setAttribute("aria-label", "Close " + title);
      close.textContent = "\u00d7";
      close.tabIndex = -1;
      close.addEventListener("click", function () { send(Ev.Close, id, -1); });
      bar.appendChild(close);
    }
    el.appendChild(bar);
    var client = document.createElement("div");
    client.className = "client";
    el.appendChild(client);
    document.getElementById("app").appendChild(el);
    windows.set(id, { el: el, titleEl: titleEl, menubar: null, client: client,
                      keys: { enter: -1, help: -1, escape: false, button: -1 },
                      x: x, y: y, w: w, h: h });
    placeWindow(id, x, y, w, h);
    if (id === 0) document.title = title;
  }

  function destroyWindow(id) {
    var win = windows.get(id);
    if (!win) return;
    var hadFocus = win.el.contains(document.activeElement);
    win.el.remove();
    windows.delete(id);
    if (hadFocus) activate(0);
  }

  function windowTitle(id, title) {
    var win = windows.get(id);
    win.titleEl.textContent = title;
    win.el.setAttribute("aria-label", title);
    if (id === 0) document.title = title;
  }

  function placeWindow(id, x, y, w, h) {
    var win = windows.get(id);
    win.x = x; win.y = y; win.w = w; win.h = h;
    win.client.style.width = w + "px";
    win.client.style.height = h + "px";
    if (id !== 0) {
      win.el.style.left = x + "px";
      win.el.style.top = y + "px";
    }
    arrangeWanted = true;
  }

  function windowEnabled(id, on) {
    var win = windows.get(id);
    if (on) win.el.removeAttribute("inert"); else win.el.setAttribute("inert", "");
  }

  function focusables(win) {
    return Array.prototype.filter.call(
      win.client.querySelectorAll("input, select, button, textarea, a[href]"),
      function (el) { return !el.disabled && el.getClientRects().length > 0; });
  }

  function activate(id) {
    var win = windows.get(id);
    if (!win || win.el.contains(document.activeElement)) return;
    var first = focusables(win)[0];
    if (first) first.focus({ preventScroll: true });
  }

  function menuBarHeight() { return 28; }

  // --- Menus ----------------------------------------------------------------

  function closeMenus(except) {
    document.querySelectorAll(".menu.open").forEach(function (m) {
      if (!except || !m.contains(except)) {
        m.classList.remove("open");
        var opener = m.previousElementSibling;
        if (opener) opener.setAttribute("aria-expanded", "false");
      }
    });
  }

  function toggleMenu(opener, menu) {
    var open = !menu.classList.contains("open");
    closeMenus(opener);
    menu.classList.toggle("open", open);
    opener.setAttribute("aria-expanded", String(open));
    if (open) {
      var first = menu.querySelector(":scope > .entry > button");
      if (first) first.focus();
    }
  }

  function menuBar(id) {
    var win = windows.get(id);
    var bar = document.createElement("nav");
    bar.className = "menubar";
    bar.setAttribute("role", "menubar");
    win.el.insertBefore(bar, win.client);
    win.menubar = bar;
    building = [];
  }

  function newMenu(parent, text, cls) {
    var entry = document.createElement("div");
    entry.className = cls;
    var opener = document.createElement("button");
    opener.setAttribute("role", "menuitem");
    opener.setAttribute("aria-haspopup", "menu");
    opener.setAttribute("aria-expanded", "false");
    opener.tabIndex = -1;
    var name = markedText(opener, text);
    var menu = document.createElement("div");
    menu.className = "menu";
    menu.setAttribute("role", "menu");
    menu.setAttribute("aria-label", name);
    opener.addEventListener("click", function (e) {
      e.stopPropagation();
      toggleMenu(opener, menu);
    });
    entry.appendChild(opener);
    entry.appendChild(menu);
    parent.appendChild(entry);
    return menu;
  }

  function lastMenuBar() {
    var bars = document.querySelectorAll(".menubar");
    return bars[bars.length - 1];
  }

  function menuTitle(text) {
    building = [newMenu(lastMenuBar(), text, "title")];
  }

  function submenu(text) {
    var parent = building[building.length - 1];
    var menu = newMenu(parent, text, "entry submenu");
    building.push(menu);
  }

  function endSubmenu() { if (building.length > 1) building.pop(); }

  function menuItem(item, text) {
    var menu = building[building.length - 1];
    var win = Number(menu.closest(".window").dataset.window);
    var entry = document.createElement("div");
    entry.className = "entry";
    var b = document.createElement("button");
    b.setAttribute("role", "menuitem");
    b.tabIndex = -1;
    b.dataset.item = item;
    markedText(b, text);
    b.addEventListener("click", function (e) {
      e.stopPropagation();
      closeMenus();
      send(Ev.Menu, win, item);
    });
    entry.appendChild(b);
    menu.appendChild(entry);
  }

  function menuSeparator() {
    var hr = document.createElement("hr");
    hr.setAttribute("role", "separator");
    building[building.length - 1].appendChild(hr);
  }

  // --- Controls -------------------------------------------------------------

  function control(id, winId, kind, x, y, w, h, text, flags, colour) {
    var win = windows.get(winId);
    var el, input;
    switch (kind) {
      case Kind.Label:
        el = input = document.createElement("span");
        el.className = "label" + (flags & Flag.Sunken ? " sunken" : "");
        el.textContent = text;
        break;
      case Kind.EditField:
        el = input = document.createElement("input");
        el.type = "text";
        el.value = text;
        el.autocomplete = "off";
        el.spellcheck = false;
        el.setAttribute("autocapitalize", "off");
        el.setAttribute("enterkeyhint", "go");
        el.className = "field";
        if (flags & Flag.ReadOnly) el.readOnly = true;
        break;
      case Kind.Button:
        el = input = document.createElement("button");
        el.className = "button";
        el.textContent = text;
        el.addEventListener("click", function () { send(Ev.Gadget, winId, id); });
        break;
      case Kind.CheckBox:
        el = document.createElement("label");
        el.className = "check";
        input = document.createElement("input");
        input.type = "checkbox";
        var caption = document.createElement("span");
        caption.textContent = text;
        el.appendChild(input);
        el.appendChild(caption);
        if (flags & Flag.ReadOnly) {
          // A result: it shows what the calculation set, and a click or a key
          // leaves it so. A screen reader still reads whether it is ticked.
          el.classList.add("result");
          input.setAttribute("aria-readonly", "true");
          input.addEventListener("click", function (e) { e.preventDefault(); });
        } else {
          input.addEventListener("change", function () { send(Ev.Gadget, winId, id); });
        }
        break;
      case Kind.Picture:
        el = input = document.createElement("img");
        el.className = "picture";
        el.alt = "";
        el.images = {};
        break;
      case Kind.ComboBox:
        el = input = document.createElement("select");
        el.className = "choice";
        el.addEventListener("change", function () { send(Ev.Gadget, winId, id); });
        break;
      case Kind.TextArea:
        el = input = document.createElement("textarea");
        el.className = "text";
        el.wrap = "off";
        el.spellcheck = false;
        if (flags & Flag.ReadOnly) el.readOnly = true;
        break;
      case Kind.Hyperlink:
        el = input = document.createElement("a");
        el.className = "link";
        el.textContent = text;
        el.href = "https://" + text.replace(/^https?:\/\//, "");
        el.style.color = "#" + ("000000" + colour.toString(16)).slice(-6);
        el.addEventListener("click", function (e) {
          e.preventDefault();
          send(Ev.Gadget, winId, id);
        });
        break;
      default:
        return;
    }
    el.dataset.gadget = id;
    win.client.appendChild(el);
    controls.set(id, { el: el, input: input, kind: kind, win: winId, x: x, y: y, w: w, h: h, name: "" });
    place(id, x, y, w, h);
  }

  function destroyControl(id) {
    var c = byId(id);
    if (!c) return;
    if (c.el.images) Object.keys(c.el.images).forEach(function (p) { URL.revokeObjectURL(c.el.images[p]); });
    c.el.remove();
    controls.delete(id);
    arrangeWanted = true;
  }

  function focus(id) {
    var c = byId(id);
    if (c && !windows.get(c.win).el.classList.contains("flow")) c.input.focus({ preventScroll: true });
  }

  function place(id, x, y, w, h) {
    var c = byId(id);
    c.x = x; c.y = y; c.w = w; c.h = h;
    var s = c.el.style;
    s.left = x + "px"; s.top = y + "px"; s.width = w + "px"; s.height = h + "px";
    arrangeWanted = true;
  }

  function setText(id, text) {
    var c = byId(id);
    switch (c.kind) {
      case Kind.EditField: case Kind.TextArea: c.input.value = text; break;
      case Kind.CheckBox: c.el.lastChild.textContent = text; break;
      case Kind.ComboBox: break;
      default: c.el.textContent = text;
    }
  }

  function getText(id) {
    var c = byId(id);
    switch (c.kind) {
      case Kind.EditField: case Kind.TextArea: return c.input.value;
      case Kind.CheckBox: return c.el.lastChild.textContent;
      case Kind.ComboBox:
        return c.input.selectedIndex >= 0 ? c.input.options[c.input.selectedIndex].text : "";
      default: return c.el.textContent;
    }
  }

  function addItem(id, text) {
    var option = document.createElement("option");
    option.textContent = text;
    byId(id).input.appendChild(option);
  }

  function select(id, value) {
    var c = byId(id);
    if (c.kind === Kind.CheckBox) c.input.checked = value === 1;
    else c.input.selectedIndex = value >= 0 && value < c.input.options.length ? value : -1;
  }

  function selected(id) {
    var c = byId(id);
    return c.kind === Kind.CheckBox ? (c.input.checked ? 1 : 0) : c.input.selectedIndex;
  }

  function toolTip(id, text) { byId(id).el.title = text; }

  // A picture's images by scale; the browser shows the one that suits the screen.
  function pictureImage(id, percent, bytes) {
    var c = byId(id);
    if (percent === 0) {
      c.el.images[0] = URL.createObjectURL(new Blob([bytes], { type: "image/svg+xml" }));
      c.el.src = c.el.images[0];
      return;
    }
    c.el.images[percent] = URL.createObjectURL(new Blob([bytes], { type: "image/png" }));
    var set = Object.keys(c.el.images).map(function (p) { return c.el.images[p] + " " + p / 100 + "x"; });
    c.el.srcset = set.join(", ");
    c.el.src = c.el.images[100] || c.el.images[Object.keys(c.el.images)[0]];
  }

  function viewWidth() { return Math.round(document.documentElement.clientWidth); }
  function viewHeight() { return Math.round(document.documentElement.clientHeight); }
  // The help text's fixed-pitch letters are 0.6 of their 12 px size wide and
  // their lines 15 px; the border and a scroll bar come on top.
  function textWidth(columns) { return Math.ceil(columns * 7.2) + 20; }
  function textHeight(lines) { return lines * 15 + 20; }

  function enabled(id, on) {
    var c = byId(id);
    c.input.disabled = !on;
    c.el.classList.toggle("disabled", !on);
  }

  function name(id, text) {
    var c = byId(id);
    c.name = text;
    // A label is read by its text; a label's name there would only repeat it.
    if (c.kind !== Kind.Label) c.input.setAttribute("aria-label", text);
  }

  function windowKey(winId, key, value) {
    var keys = windows.get(winId).keys;
    if (key === 0) keys.enter = value;
    if (key === 1) keys.help = value;
    if (key === 2) keys.escape = true;
    if (key === 3) keys.button = value;
  }

  // --- Message box ------------------------------------------------------------

  function message(title, text) {
    var box = document.getElementById("message");
    if (!box) {
      box = document.createElement("dialog");
      box.id = "message";
      box.innerHTML = '<h2></h2><p></p><form method="dialog"><button value="ok">OK</button></form>';
      document.body.appendChild(box);
      box.addEventListener("close", function () {
        if (box.returnFocus && box.returnFocus.isConnected) box.returnFocus.focus();
      });
    }
    box.returnFocus = document.activeElement;
    box.querySelector("h2").textContent = title;
    box.querySelector("p").textContent = text;
    box.setAttribute("aria-label", title);
    if (!box.open) box.showModal();
    box.querySelector("button").focus();
  }

  function openUrl(address) {
    window.open(/^[a-z]+:/i.test(address) ? address : "https://" + address, "_blank", "noopener");
  }

  // --- Keys ---------------------------------------------------------------------

  function activeWindow() {
    var panels = Array.prototype.filter.call(document.querySelectorAll(".window"), function (w) {
      return w.contains(document.activeElement);
    });
    if (panels.length) return windows.get(Number(panels[0].dataset.window));
    var about = windows.get(1);
    return about || windows.get(0);
  }

  function menuKeys(e, menu) {
    var entries = Array.prototype.map.call(menu.querySelectorAll(":scope > .entry > button"),
                                           function (b) { return b; });
    var at = entries.indexOf(document.activeElement);
    if (e.key === "Escape") {
      var opener = menu.previousElementSibling;
      closeMenus(menu.parentElement.closest(".menu") || undefined);
      menu.classList.remove("open");
      opener.focus();
    } else if (e.key === "ArrowDown" || e.key === "ArrowUp") {
      var step = e.key === "ArrowDown" ? 1 : entries.length - 1;
      entries[(at + step) % entries.length].focus();
    } else if (e.key.length === 1 && !e.ctrlKey && !e.metaKey) {
      var hit = entries.filter(function (b) { return b.dataset.key === e.key.toLowerCase(); })[0];
      if (!hit) return;
      hit.click();
    } else {
      return;
    }
    e.preventDefault();
  }

  function onKey(e) {
    var box = document.getElementById("message");
    if (box && box.open) return;
    var openMenus = document.querySelectorAll(".menu.open");
    if (openMenus.length) {
      menuKeys(e, openMenus[openMenus.length - 1]);
      return;
    }
    var win = activeWindow();
    if (!win) return;
    if (e.altKey && !e.ctrlKey && e.key.length === 1 && win.menubar) {
      var title = Array.prototype.filter.call(win.menubar.querySelectorAll(":scope > .title > button"),
        function (b) { return b.dataset.key === e.key.toLowerCase(); })[0];
      if (title) {
        e.preventDefault();
        title.click();
      }
      return;
    }
    var target = e.target;
    var id = win.el.dataset.window | 0;
    if (e.key === "F1" && win.keys.help >= 0) {
      e.preventDefault();
      send(Ev.Menu, id, win.keys.help);
    } else if (e.key === "Escape" && win.keys.escape) {
      e.preventDefault();
      send(Ev.Close, id, -1);
    } else if (e.key === "Enter" && target.tagName === "INPUT" && target.type === "text" &&
               win.keys.enter >= 0) {
      e.preventDefault();
      send(Ev.Gadget, id, win.keys.enter);
    } else if (e.key === "Enter" && win.keys.button >= 0 && target.tagName !== "BUTTON" &&
               target.tagName !== "A") {
      e.preventDefault();
      send(Ev.Gadget, id, win.keys.button);
    } else if (e.key === "Tab" && !e.altKey && !e.ctrlKey) {
      // Tab wraps round within the window, as on the desktop.
      var list = focusables(win);
      if (!list.length) return;
      var at = list.indexOf(document.activeElement);
      var next = at < 0 ? 0 : e.shiftKey ? (at + list.length - 1) % list.length : (at + 1) % list.length;
      e.preventDefault();
      list[next].focus();
    }
  }

  // --- The two layouts ----------------------------------------------------------
  // Where the window's pixel layout fits the screen, the controls stand where the
  // page puts them, scaled up on a large screen. Where it does not (a phone), the
  // same controls flow: each field beside its caption on one row, in reading
  // order by rows or by columns of the page, and the buttons in a bar fixed at
  // the bottom.

  function sameCaption(a, b) {
    var trim = function (s) { return s.replace(/[:\s]+$/, "").trim().toLowerCase(); };
    return a && trim(a) === trim(b);
  }

  function flowRows(winId) {
    var all = [];
    controls.forEach(function (c) { if (c.win === winId) all.push(c); });
    var labels = all.filter(function (c) { return c.kind === Kind.Label; });
    var used = new Set();
    var rows = [];
    var buttons = [];
    all.forEach(function (c) {
      if (c.kind === Kind.Label) return;
      if (c.kind === Kind.Button) { buttons.push(c); return; }
      var label = null;
      if (c.kind === Kind.EditField || c.kind === Kind.ComboBox || c.kind === Kind.TextArea) {
        label = labels.filter(function (l) { return !used.has(l) && sameCaption(c.name, l.el.textContent); })[0] || null;
        if (label) used.add(label);
      }
      var anchor = label || c;
      rows.push({ x: anchor.x, y: anchor.y, label: label, control: c });
    });
    labels.forEach(function (l) { if (!used.has(l)) rows.push({ x: l.x, y: l.y, label: null, control: l }); });
    var major = flowOrder === "columns" ? "x" : "y";
    var minor = flowOrder === "columns" ? "y" : "x";
    rows.sort(function (a, b) {
      return Math.abs(a[major] - b[major]) > 8 ? a[major] - b[major] : a[minor] - b[minor];
    });
    return { rows: rows, buttons: buttons };
  }

  function layOutFlow(win, winId) {
    var made = flowRows(winId);
    // Each row takes a line; a wide caption (of a text area) takes its own
    // line above the control, which then spans both columns.
    var next = 1;
    made.rows.forEach(function (row) {
      var wide = !row.label || row.control.kind === Kind.TextArea;
      if (row.label && wide) {
        row.label.el.style.gridColumn = "1 / -1";
        row.label.el.style.gridRow = String(next++);
        row.control.el.style.gridColumn = "1 / -1";
        row.control.el.style.gridRow = String(next++);
      } else {
        if (row.label) {
          row.label.el.style.gridRow = String(next);
          row.label.el.style.gridColumn = "1";
        }
        row.control.el.style.gridColumn = wide ? "1 / -1" : "2";
        row.control.el.style.gridRow = String(next++);
      }
    });
    var perLine = Math.min(4, made.buttons.length);
    made.buttons.forEach(function (b, i) {
      b.el.style.setProperty("--slot", String(i % perLine));
      b.el.style.setProperty("--slots", String(perLine));
      b.el.style.setProperty("--line", String(Math.floor(i / perLine)));
    });
    win.el.style.setProperty("--bar-lines", String(Math.ceil(made.buttons.length / 4)));
  }

  // The page's pixel layout was drawn for text of 10 pixels: it is shown only
  // where it fits at least half as large again (15-pixel text), and twice as
  // large on a touch screen, so that every field is a 40-pixel target.
  function arrange() {
    arrangeWanted = false;
    var main = windows.get(0);
    var scale = 1;
    if (main) {
      var room = Math.min((window.innerWidth - 16) / main.w,
                          (window.innerHeight - 80) / Math.max(1, main.h));
      scale = Math.min(2, Math.floor(room * 4) / 4);
    }
    var coarse = window.matchMedia && window.matchMedia("(pointer: coarse)").matches;
    var phone = !main || scale < (coarse ? 2 : 1.5);
    document.body.classList.toggle("phone", phone);
    windows.forEach(function (win, id) {
      var flow = phone;
      win.el.classList.toggle("flow", flow);
      var only = win.client.children.length === 1 && win.client.firstChild.tagName === "TEXTAREA";
      win.el.classList.toggle("sole-text", only);
      if (flow) {
        layOutFlow(win, id);
        win.el.style.zoom = "";
        return;
      }
      controls.forEach(function (c) {
        if (c.win === id) { c.el.style.gridRow = ""; c.el.style.gridColumn = ""; }
      });
      win.el.style.zoom = scale === 1 ? "" : String(scale);
      if (id !== 0) {
        // Where the window was asked for, kept on the screen (the zoom scales
        // these offsets too).
        var left = Math.min(win.x, window.innerWidth / scale - win.w - 8);
        var top = Math.min(win.y, window.innerHeight / scale - win.h - 40);
        win.el.style.left = Math.max(0, left) + "px";
        win.el.style.top = Math.max(0, top) + "px";
      }
    });
  }

  document.addEventListener("keydown", onKey);
  document.addEventListener("click", function (e) {
    if (!e.target.closest || !e.target.closest(".menubar")) closeMenus();
  });
  window.addEventListener("resize", arrange);

  return {
    window: window_, destroyWindow: destroyWindow, windowTitle: windowTitle,
    placeWindow: placeWindow, windowEnabled: windowEnabled, activate: activate,
    menuBarHeight: menuBarHeight, menuBar: menuBar, menuTitle: menuTitle, menuItem: menuItem,
    menuSeparator: menuSeparator, submenu: submenu, endSubmenu: endSubmenu,
    control: control, destroyControl: destroyControl, focus: focus, place: place,
    setText: setText, getText: getText, addItem: addItem, select: select, selected: selected,
    toolTip: toolTip, enabled: enabled, name: name, windowKey: windowKey,
    message: message, openUrl: openUrl, pictureImage: pictureImage,
    viewWidth: viewWidth, viewHeight: viewHeight, textWidth: textWidth, textHeight: textHeight,
    // The program's side: `sender(kind, window, item)` hands it one event.
    connect: function (s) { sender = s; },
    setFlowOrder: function (order) {
      if (order !== flowOrder) arrangeWanted = true;
      flowOrder = order;
    },
    arrange: arrange,
    send: send,
  };
})();
