#pragma once
// The File menu's "Export PDF...": the hero sheet's page, laid out on paper by the window
// toolkit and written as a PDF. The command (which file, the zero-level question, the style
// rules, the atomic replacement of the file) lives here; the drawing is handed in, so the core
// stays free of the toolkit and the tests can stand in for it.

#include <filesystem>
#include <functional>
#include <string>

class HeroOperations;

// Draws the HTML page into a PDF file at the given path; false when it could not.
using PdfRenderer = std::function<bool(const std::string& html, const std::filesystem::path& file)>;

// Asks for the PDF's path ("PDF Export", offering the hero file's name with "pdf"), asks
// "Paint Zero Level Skills?", and renders the sheet into a file beside the chosen one, which
// then replaces it: a failed rendering leaves any earlier PDF as it was and is reported. A
// cancelled dialog does nothing. True when a PDF was written.
bool ExportHeroSheetPdf(HeroOperations& builder, const PdfRenderer& render);
