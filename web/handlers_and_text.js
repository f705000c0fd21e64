// What every part of the page uses: event handlers that never let an error out, and the count of
// characters the fields limit their length by.

// Runs an event handler so that nothing it throws leaves it: the page goes on as it was.
export function guarded(handler) {
    return function (event) {
        try {
            return handler.call(this, event);
        } catch (error) {
            console.error(error);
        }
    };
}

// The number of Unicode characters in a text, which is how the fields count their length.
export const characterCount = (text) => Array.from(text).length;
