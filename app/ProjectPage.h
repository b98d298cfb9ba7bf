#pragma once

// The project's own web page, which the link text of the bottom panel opens.
// PROJECT ADDRESS: the one place to change when the project's page moves.
inline constexpr const char* kProjectPage = "https://hydrocalc.example.org/index.html";
// The text the link shows: the address without its scheme and page.
inline constexpr const char* kProjectPageText = "hydrocalc.example.org";
