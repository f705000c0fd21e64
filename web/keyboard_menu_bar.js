"use strict";
var Tarvola = Tarvola || {};

// The main window's menu bar with its one entry, About, which the mouse and the keyboard open:
// Enter, Space and, as on the desktop, the Down arrow on the entry; F10 goes to the menu bar.
Tarvola.KeyboardMenuBar = class {
    constructor(entry, showAbout) {
        const bar = document.createElement("nav");
        bar.className = "menu-bar";
        bar.setAttribute("role", "menubar");
        bar.setAttribute("aria-label", "Menu");
        const item = document.createElement("button");
        item.type = "button";
        item.id = "MenuAbout";
        item.setAttribute("role", "menuitem");
        item.textContent = entry;
        item.addEventListener("click", Tarvola.guarded(() => showAbout()));
        // As on the desktop, the Down arrow on the entry opens it too.
        item.addEventListener("keydown", Tarvola.guarded((event) => {
            if (event.key === "ArrowDown") {
                event.preventDefault();
                showAbout();
            }
        }));
        bar.append(item);
        // F10 goes to the menu bar, as on the desktop, where the browser passes it on.
        document.addEventListener("keydown", Tarvola.guarded((event) => {
            if (event.key === "F10" && !event.shiftKey) {
                event.preventDefault();
                item.focus();
            }
        }));
        this.element = bar;
        this.item = item;
    }
};
