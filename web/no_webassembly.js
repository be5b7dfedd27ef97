// Where the browser runs scripts but has no WebAssembly, the page says so in the words of its
// <noscript>, instead of staying blank.
if (typeof WebAssembly != "object") {
  const needs = document.createElement("p");
  needs.textContent = document.querySelector("noscript").textContent;
  document.body.append(needs);
}
