#pragma once
// Lays the hero sheet's HTML out on A4 paper and writes it as a PDF.

#include <filesystem>
#include <string>

bool RenderSheetPdf(const std::string& html, const std::filesystem::path& file);
