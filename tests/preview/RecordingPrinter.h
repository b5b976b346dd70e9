// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer that records the steps of a job instead of printing: 600 dpi, A4, with a chosen
// non-printable margin on every side, drawing onto a recording canvas.
#include "preview/CustomPrinter.h"

#include "platform/Error.h"
#include "platform/RecordingCanvas.h"

#include <string>
#include <vector>

class RecordingPrinter : public preview::TrpCustomPrinter {
public:
    explicit RecordingPrinter(std::string name, std::string port = {}, double marginMm = 0)
        : TrpCustomPrinter(std::move(name), std::move(port))
        , margin_(marginMm) {}

    void Init() override {
        if (initialized_)
            return;
        ++inits;
        resolutionX_ = resolutionY_ = 600;
        paperWidth_ = defPaperWidth_ = 210;
        paperHeight_ = defPaperHeight_ = 297;
        leftMargin_ = topMargin_ = rightMargin_ = bottomMargin_ = margin_;
        initialized_ = true;
    }
    void SelectPaper(int code, double widthMm, double heightMm,
                     report::TrpPageOrientation orientation) override {
        paper_ = code;
        paperWidth_ = widthMm;
        paperHeight_ = heightMm;
        orientation_ = orientation;
    }
    void ApplyPageSettings(int code, double widthMm, double heightMm,
                           report::TrpPageOrientation orientation, int bin, int copies,
                           int duplex) override {
        SelectPaper(code, widthMm, heightMm, orientation);
        bin_ = bin;
        steps.push_back("Apply " + std::to_string(code) + " " + std::to_string(int(widthMm)) + "x" +
                        std::to_string(int(heightMm)) + " o" + std::to_string(orientation) +
                        " bin" + std::to_string(bin) + " copies" + std::to_string(copies) +
                        " duplex" + std::to_string(duplex));
    }
    platform::Canvas* Canvas() override { return &canvas; }
    bool HasDevice() const override { return true; }

    void StartDocument() override {
        if (!failure.empty())
            throw platform::Error(failure);
        printing_ = true;
        steps.push_back("StartDocument " + Title);
    }
    void StartPage() override { steps.push_back("StartPage"); }
    void FinishPage() override { steps.push_back("FinishPage"); }
    void FinishDocument() override {
        printing_ = false;
        steps.push_back("FinishDocument");
    }
    void AbortDocument() override {
        if (printing_)
            steps.push_back("AbortDocument");
        printing_ = false;
    }
    void ShowPrinterProperties() override { ++propertiesShown; }

    void setDriverLists(const std::vector<preview::TrpPrinterListItem>& papers,
                        const std::vector<preview::TrpPrinterListItem>& bins) {
        SetDriverLists(papers, bins);
    }
    int count(const std::string& step) const {
        int n = 0;
        for (const std::string& s : steps)
            n += s == step;
        return n;
    }

    platform::RecordingCanvas canvas{600, 600, true};
    std::vector<std::string> steps;
    std::string failure; // StartDocument raises it when set
    int inits = 0;
    int propertiesShown = 0;

private:
    double margin_;
};
