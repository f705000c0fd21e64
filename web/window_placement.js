// Where a window system puts a new window (`placed`, already on the page): beside the main
// window where the view has room (right, below, left), else a little down and right of its
// corner, moved back into the view as far as it fits (a zoomed page or a phone has little room).
export function placeByDefault(placed, mainWindow) {
    const main = mainWindow.getBoundingClientRect();
    const own = placed.getBoundingClientRect();
    const view = { width: document.documentElement.clientWidth, height: document.documentElement.clientHeight };
    const gap = 16;
    const candidates = [
        [main.right + gap, main.top],
        [main.left, main.bottom + gap],
        [main.left - gap - own.width, main.top],
    ];
    const fits = ([left, top]) => left >= 0 && top >= 0 && left + own.width <= view.width && top + own.height <= view.height;
    const [left, top] = candidates.find(fits)
        || [Math.min(main.left + 24, view.width - own.width), Math.min(main.top + 24, view.height - own.height)];
    placed.style.left = `${Math.max(0, left) + window.scrollX}px`;
    placed.style.top = `${Math.max(0, top) + window.scrollY}px`;
}
