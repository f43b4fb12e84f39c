// The page's side of the calculator, run before the program (page.cpp) starts: it opens the
// window in the browser's language and notation, shows the error report and has screen
// readers speak what a run left in Answer.
'use strict';

// The first of the user's languages the program is translated into, as its .ts file names
// it ("de", "pt_BR"), or "" for the program's own English, as the desktop program chooses.
function pageLanguage(translated) {
  for (const tag of navigator.languages || [navigator.language]) {
    let locale;
    try {
      locale = new Intl.Locale(tag).maximize();
    } catch {
      continue;  // not a language tag
    }
    for (const code of [`${locale.language}_${locale.region}`, locale.language]) {
      if (translated.includes(code)) return code;
    }
    if (locale.language === 'en') return '';
  }
  return '';
}

// How the user's first language writes numbers (as the desktop takes them from the
// session's locale): its decimal and group separators and its ten digits.
function browserNotation() {
  const locale = navigator.language || undefined;
  const parts = new Intl.NumberFormat(locale, { useGrouping: true }).formatToParts(1234567.5);
  const part = (type) => (parts.find((p) => p.type === type) || { value: '' }).value;
  const digit = new Intl.NumberFormat(locale, { useGrouping: false });
  return { decimal: part('decimal'), group: part('group'), digits: [...Array(10).keys()].map((d) => digit.format(d)) };
}

function openReport() {
  const report = document.getElementById('report');
  const text = document.getElementById('report-text');
  const ok = document.getElementById('report-ok');
  // Copy with nothing selected (Ctrl+C, Ctrl+Insert, the browser's menu) copies the whole
  // report, as on the desktop; a selection copies as the browser copies it. Listened for on
  // the document: with the focus on OK, Firefox sends the copy to <body>, not to the report.
  document.addEventListener('copy', (event) => {
    if (!report.open || !document.getSelection().isCollapsed) return;
    event.clipboardData.setData('text/plain', text.textContent);
    event.preventDefault();
  });
  // Ctrl+Insert is the desktop's other copy key, which WebKitGTK does not bind: the page gives
  // it the browser's own copy command, so that it copies what Ctrl+C copies in every engine.
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Insert' || !event.ctrlKey || event.shiftKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    document.execCommand('copy');
  });
  // A click beside the text or the button, or on the dimmed page, leaves the focus on OK, so
  // that Return still closes the report.
  report.addEventListener('mousedown', (event) => {
    if (!event.target.closest('p, button')) event.preventDefault();
  });
  // A click on the text, to select it, moves the focus off OK: Return closes the report there
  // too, as OK is the report's default button.
  report.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.target === ok) return;
    event.preventDefault();
    report.close();
  });
  Module.report = (message) => {
    text.textContent = message;
    // The user's direction, not the window's: a right-to-left text starts with its mark.
    report.dir = message.startsWith('\u200f') ? 'rtl' : 'ltr';
    if (!report.open) report.showModal();  // the OK button takes the focus; Escape closes it too
  };
}

// Screen readers speak a live region's new text without the focus moving; emptied first, so
// that the same message after another run is spoken again.
function openAnnouncer() {
  const announcer = document.getElementById('announcer');
  Module.announce = (message) => {
    announcer.textContent = '';
    setTimeout(() => { announcer.textContent = message; }, 50);
  };
}

Module.onRuntimeInitialized = () => {
  const language = pageLanguage(Module.languages());
  const notation = browserNotation();
  document.documentElement.lang = language ? language.replace('_', '-') : 'en';
  openReport();
  openAnnouncer();
  Module.openWindow(language, notation.decimal, notation.group, notation.digits);
  document.body.dataset.ready = 'true';
  performance.mark('combicalc-interactive');  // what bench/page_bench.js measures
};
