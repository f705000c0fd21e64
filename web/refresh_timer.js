import { guarded } from "./handlers_and_text.js";

// The main window's timer, Timer1: once started, calls `onTick` every `interval` milliseconds,
// for as long as the page is open; a tick that throws is skipped and the next ones come all the
// same.
export class RefreshTimer {
    constructor(interval, onTick) {
        this.interval = interval;
        this.onTick = onTick;
        this.id = null;
    }

    // Starts the ticks, the first one interval after `countingFrom` (a performance.now() time,
    // now by default), or at once when that is past.
    start(countingFrom = performance.now()) {
        if (this.id !== null)
            return;
        const tick = guarded(() => this.tick());
        this.id = setTimeout(() => {
            this.id = setInterval(tick, this.interval);
            tick();
        }, Math.max(0, countingFrom + this.interval - performance.now()));
    }

    stop() {
        clearTimeout(this.id);
        clearInterval(this.id);
        this.id = null;
    }

    get isActive() {
        return this.id !== null;
    }

    // One refresh at once, outside the timer's rhythm.
    tick() {
        this.onTick();
    }
}
