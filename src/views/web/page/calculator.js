// The web view: gives the page's controls their behaviour, hands every click, key,
// paste and edit to the core by control name, and does what the core tells it. What is
// shown, said and where the focus goes is decided in the core.

const root = document.getElementById('calculator');
const announcement = document.getElementById('announcement');
const menu = document.getElementById('menu');
const message = document.getElementById('message');
const controls = new Map(); // name -> element
let core = null; // the module's exports
let clipboardEvent = null; // a copy or cut event being answered: the text goes into it
let ended = false;

// The decimal separator of the browser's language.
function decimalSeparator() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value === ',' ? ',' : '.';
}

// Texts between the page and the module: UTF-8 in the module's memory, ending with a
// zero byte; the null pointer is no text.
const encoder = new TextEncoder();
const decoder = new TextDecoder();
const bytes = () => new Uint8Array(core.memory.buffer); // anew: the memory may have grown

function text(pointer) {
  if (!pointer) return undefined;
  const memory = bytes();
  return decoder.decode(memory.subarray(pointer, memory.indexOf(0, pointer)));
}

// A text in the module's memory, which the module frees. A zero character would end it
// early: it goes as U+FFFD, one character for one, which no number reads.
function moduleText(string) {
  const encoded = encoder.encode(string.replaceAll('\0', '\uFFFD'));
  const pointer = core.malloc(encoded.length + 1);
  if (!pointer) throw new Error('TORVANEL: no memory left for a text');
  const memory = bytes();
  memory.set(encoded, pointer);
  memory[pointer + encoded.length] = 0;
  return pointer;
}

// Calls the module with texts for the call's length.
function call(name, ...args) {
  const texts = [];
  const values = args.map((arg) => {
    if (typeof arg !== 'string') return arg;
    const pointer = moduleText(arg);
    texts.push(pointer);
    return pointer;
  });
  try {
    return core[name](...values);
  } finally {
    texts.forEach((pointer) => core.free(pointer));
  }
}

let measuring = null; // a canvas's context, made when first needed
let answered = null; // what the module answered to a key or a menu

// What the core tells the page to do (the module's imports); control names and texts
// arrive as pointers.
const named = (name) => controls.get(text(name));
const page = {
  boxLength: (name) => named(name).value.length,
  boxText: (name) => moduleText(named(name).value),
  display(name, shown) {
    const element = named(name);
    element.value = text(shown);
    element.setSelectionRange(element.value.length, element.value.length);
  },
  caretAfter(name, start) {
    const length = text(start).length;
    named(name).setSelectionRange(length, length);
  },
  withSelectionReplaced(name, inserted) {
    const element = named(name);
    const value = element.value;
    return moduleText(value.slice(0, element.selectionStart) + text(inserted) + value.slice(element.selectionEnd));
  },
  hasSelection: (name) => named(name).selectionStart !== named(name).selectionEnd,
  copy: (copied) => copyText(text(copied)),
  show(name, enabled, visible, background, caption, font) {
    const element = named(name);
    if (enabled >= 0) element.disabled = !enabled;
    if (visible >= 0) element.hidden = !visible;
    element.style.backgroundColor = text(background) ?? '';
    if (caption) element.firstChild.textContent = text(caption);
    if (font) element.style.font = text(font);
  },
  choose(name, chosen) {
    named(name).setAttribute('aria-checked', String(Boolean(chosen)));
  },
  describe(name, accessibleName, description, tooltip) {
    const element = named(name);
    if (text(accessibleName) !== '') element.setAttribute('aria-label', text(accessibleName));
    element.setAttribute('aria-description', text(description));
    if (text(tooltip) === '') element.removeAttribute('title');
    else element.title = text(tooltip);
  },
  announce(pointer) {
    const words = text(pointer);
    // Emptied first, so the same words said again are a change too.
    announcement.textContent = '';
    requestAnimationFrame(() => { announcement.textContent = words; });
  },
  message(title, shown) {
    document.getElementById('message-title').textContent = text(title);
    document.getElementById('message-text').textContent = text(shown);
    if (!message.open) message.showModal();
    document.getElementById('message-ok').focus();
  },
  end() {
    ended = true;
    window.close();
    // A page the user opened stays open: the calculator gives way to a line that says so.
    root.hidden = true;
    const line = document.getElementById('ended');
    line.hidden = false;
    line.focus();
  },
  measure(font, measured) {
    measuring ??= document.createElement('canvas').getContext('2d');
    measuring.font = text(font);
    return Math.ceil(measuring.measureText(text(measured)).width);
  },
  keyAnswer(taken, insert, focus, menu) {
    answered = { taken: Boolean(taken), insert: text(insert), focus: text(focus), menu: text(menu) };
  },
  menuEntry(words, enabled) {
    answered.push({ words: text(words), enabled: Boolean(enabled) });
  },
};

// The module's side, called with control names.
const calculator = {
  click: (name) => call('torvanel_click', name),
  key(name, key, typed, ctrl, shift, alt, keypadDecimal) {
    call('torvanel_key', name, key, typed, ctrl, shift, alt, keypadDecimal);
    return answered;
  },
  boxCommand: (name, command, argument) => Boolean(call('torvanel_box_command', name, command, argument)),
  edited: (name) => call('torvanel_edited', name),
  focused: (name) => call('torvanel_focused', name),
  focusToRestore: () => text(core.torvanel_focus_to_restore()),
  resultMenu(name) {
    answered = [];
    call('torvanel_result_menu', name);
    return answered;
  },
  resultMenuChosen: (name, index) => call('torvanel_result_menu_chosen', name, index),
};

function copyText(text) {
  if (clipboardEvent) {
    clipboardEvent.clipboardData.setData('text/plain', text);
    clipboardEvent.preventDefault();
    return;
  }
  // The browser's own copy, answered with the text: it works on any origin, where the
  // asynchronous clipboard needs a secure one.
  const put = (event) => {
    event.clipboardData.setData('text/plain', text);
    event.preventDefault();
    event.stopImmediatePropagation();
  };
  document.addEventListener('copy', put, { capture: true, once: true });
  const copied = document.execCommand('copy');
  document.removeEventListener('copy', put, { capture: true });
  if (!copied) navigator.clipboard?.writeText(text).catch(() => {});
}

// The controls are in the page already, placed by the style sheet: each gets its behaviour.
function wire() {
  for (const element of root.querySelectorAll('[id]')) {
    const name = element.id;
    if (element.tagName === 'BUTTON') {
      element.addEventListener('click', () => calculator.click(name));
    } else if (element.tagName === 'INPUT' || element.tagName === 'TEXTAREA') {
      wireBox(element, name);
    } else if (element.classList.contains('result')) {
      element.addEventListener('contextmenu', (event) => {
        event.preventDefault();
        openResultMenu(name, event.clientX, event.clientY);
      });
    }
    element.addEventListener('focus', () => calculator.focused(name));
    controls.set(name, element);
  }
}

function wireBox(box, name) {
  box.addEventListener('input', () => calculator.edited(name));
  box.addEventListener('paste', (event) => {
    if (calculator.boxCommand(name, 'paste', event.clipboardData.getData('text/plain'))) event.preventDefault();
  });
  for (const command of ['copy', 'cut']) {
    box.addEventListener(command, (event) => {
      clipboardEvent = event;
      try {
        if (calculator.boxCommand(name, command, '')) event.preventDefault();
      } finally {
        clipboardEvent = null;
      }
    });
  }
  // Undo and redo from the browser's own menu go through the box's history too, and
  // its Delete erases a held text whole.
  box.addEventListener('beforeinput', (event) => {
    const type = event.inputType;
    const command = { historyUndo: 'undo', historyRedo: 'redo' }[type] ?? (type.startsWith('delete') && 'erase');
    if (command && calculator.boxCommand(name, command, '')) event.preventDefault();
  });
}

const kLetter = /^Key([A-Z])$/;

function onKey(event) {
  if (ended || message.open || !menu.hidden || event.isComposing || typeof event.key !== 'string') return;
  const focused = event.target instanceof Element && controls.has(event.target.id) ? event.target.id : '';
  // Cmd is Ctrl on Apple's keyboards; a shortcut's letter is the layout's (Ctrl+Z on a
  // German keyboard), or the key's where the layout has no Latin letter there.
  const ctrl = event.ctrlKey || event.metaKey;
  const letter = /^[a-z]$/i.test(event.key) ? event.key.toUpperCase() : kLetter.exec(event.code)?.[1];
  const typed = !ctrl && !event.altKey && [...event.key].length === 1 ? event.key : '';
  const answer = calculator.key(focused, (ctrl || event.altKey) && letter ? letter : event.key, typed, ctrl,
    event.shiftKey, event.altKey, event.code === 'NumpadDecimal');
  if (!answer.taken) return;
  event.preventDefault();
  if (answer.insert !== undefined) {
    event.target.setRangeText(answer.insert, event.target.selectionStart, event.target.selectionEnd, 'end');
    calculator.edited(focused);
  }
  if (answer.focus) {
    const next = controls.get(answer.focus);
    next.focus();
    if (next.select) next.select();
  }
  if (answer.menu) {
    const place = controls.get(answer.menu).getBoundingClientRect();
    openResultMenu(answer.menu, place.left, place.bottom);
  }
}

// A result's menu: its entries from the core, the keyboard's arrows, Enter and Escape.
function openResultMenu(name, x, y) {
  const returnTo = document.activeElement;
  menu.replaceChildren();
  calculator.resultMenu(name).forEach((entry, index) => {
    const item = menu.appendChild(document.createElement('button'));
    item.type = 'button';
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    item.textContent = entry.words;
    if (!entry.enabled) item.setAttribute('aria-disabled', 'true');
    item.addEventListener('click', () => {
      if (!entry.enabled) return;
      close();
      calculator.resultMenuChosen(name, index);
    });
  });
  const items = [...menu.children];
  const close = () => {
    menu.hidden = true;
    document.removeEventListener('pointerdown', outside, true);
    returnTo?.focus();
  };
  const outside = (event) => { if (!menu.contains(event.target)) close(); };
  menu.onkeydown = (event) => {
    const at = items.indexOf(document.activeElement);
    const moves = { ArrowDown: 1, ArrowUp: items.length - 1 };
    if (event.key in moves) items[(at + moves[event.key]) % items.length].focus();
    else if (event.key === 'Escape' || event.key === 'Tab') close();
    else if (event.key === 'Enter' || event.key === ' ') items[at]?.click();
    else return;
    event.preventDefault();
  };
  Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
  menu.hidden = false;
  document.addEventListener('pointerdown', outside, true);
  items[0].focus();
}

function restoreFocus() {
  if (!ended) controls.get(calculator.focusToRestore())?.focus();
}

// The whole window on a narrower screen, keeping its layout.
function fit() {
  const scale = Math.min(1, document.documentElement.clientWidth / root.offsetWidth);
  root.style.transform = scale < 1 ? `scale(${scale})` : '';
  document.body.style.height = `${root.offsetHeight * scale}px`;
}

// A fault in the page's part is logged, not thrown through the module: the core finishes
// the event it is in, and the next one is answered (a zero stands for the answer).
const guarded = (functions) => Object.fromEntries(Object.entries(functions).map(([name, act]) => [name, (...args) => {
  try {
    return act(...args);
  } catch (error) {
    console.error(error);
    return 0;
  }
}]));

// The module, compiled as it arrives.
async function load() {
  const imports = {
    page: guarded(page),
    env: { emscripten_notify_memory_growth() {} },
    wasi_snapshot_preview1: { proc_exit(code) { throw new Error(`TORVANEL stopped (${code})`); } },
  };
  const response = fetch('torvanel.wasm');
  try {
    return (await WebAssembly.instantiateStreaming(response, imports)).instance.exports;
  } catch (error) {
    // A server that does not call it application/wasm: its bytes once more. Any other
    // failure is the one to report.
    if ((await response).headers.get('Content-Type')?.startsWith('application/wasm')) throw error;
    const bytes = await (await fetch('torvanel.wasm')).arrayBuffer();
    return (await WebAssembly.instantiate(bytes, imports)).instance.exports;
  }
}

async function main() {
  const loading = load();
  // The browser's number formats take a while to load the first time: meanwhile the
  // module arrives and compiles.
  const separator = decimalSeparator();
  try {
    core = await loading;
  } catch (error) {
    // A browser without WebAssembly's exceptions, or the module cut off on its way: a
    // line says so in place of controls that would not answer.
    root.hidden = true;
    const line = document.getElementById('failed');
    line.hidden = false;
    line.focus();
    throw error;
  }
  core._initialize();
  wire();
  fit();
  addEventListener('resize', fit);
  core.torvanel_start(separator.charCodeAt(0));
  document.addEventListener('keydown', onKey, true);
  // Some systems send the menu key's contextmenu on its release, after ours opened.
  document.addEventListener('contextmenu', (event) => { if (!menu.hidden) event.preventDefault(); }, true);
  document.getElementById('message-ok').addEventListener('click', () => message.close());
  message.addEventListener('close', restoreFocus);
  addEventListener('focus', () => { if (document.activeElement === document.body) restoreFocus(); });
  root.inert = false;
  restoreFocus();
  document.documentElement.dataset.ready = '';
  performance.mark('torvanel-ready'); // for the benchmark
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('service-worker.js').catch(() => {});
}

main();
