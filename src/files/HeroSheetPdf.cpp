#include "files/HeroSheetPdf.h"

#include "app/HeroOperations.h"
#include "app/Prompter.h"
#include "files/HeroSheet.h"
#include "hero/HeroDocument.h"
#include "robots/PrintedPage.h"

#include <system_error>

namespace fs = std::filesystem;

bool ExportHeroSheetPdf(HeroOperations& builder, const PdfRenderer& render) {
    HeroDocument& document = builder.Document();
    Prompter& prompter = document.prompter;
    FileDialogRequest request;
    request.title = "PDF Export";
    request.filter = "PDF files (*.pdf)";
    request.defaultExtension = "pdf";
    const fs::path heroFile = document.Hero.FileName;
    if (heroFile.has_stem()) {
        request.directory = heroFile.parent_path();
        request.initialName = heroFile.stem().string() + ".pdf";
    } else {
        request.initialName = "*.pdf";
    }
    const std::optional<fs::path> chosen = prompter.saveFile(request);
    if (!chosen) return false;
    const bool zero = prompter.confirm(kZeroLevelQuestion);
    const auto style = ReadSheetStyle(document.paths, prompter);
    if (!style) return false;
    const std::string html = HeroSheetText(builder, *style, zero);

    // Drawn beside the target first, so a failure never leaves a half-written PDF in its place.
    fs::path partial = *chosen;
    partial += ".partial";
    std::error_code ignored;
    if (render(html, partial)) {
        std::error_code error;
        fs::rename(partial, *chosen, error);
        if (!error) return true;
    }
    fs::remove(partial, ignored);
    prompter.error(CouldNotWriteMessage(chosen->string()));
    return false;
}
