// Places an element at a rectangle [left, top, width, height] in CSS pixels.
export function place(element, rect) {
    element.style.left = `${rect[0]}px`;
    element.style.top = `${rect[1]}px`;
    element.style.width = `${rect[2]}px`;
    element.style.height = `${rect[3]}px`;
}
