"use strict";
var Tarvola = Tarvola || {};

// The main window's timer: calls `tick` every `intervalMs` milliseconds, first after one
// interval, for as long as the page is open.
Tarvola.RefreshTimer = class {
    constructor(intervalMs, tick) {
        this.id = setInterval(Tarvola.guarded(tick), intervalMs);
    }
};
