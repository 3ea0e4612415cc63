#pragma once

#include "xml/PictureBatch.h"

#include <functional>

class TXNode;

// Where the design of the menu window and the stand-alone picture buttons
// plug into the project file. The project writer calls the writers in the
// file's order; the reader calls the readers on a document that has been read
// completely, and they only check and collect: what they return applies the
// result and must not fail, so a load changes everything or nothing.
class TDesignParts
{
public:
    using Apply = std::function<void()>;

    virtual ~TDesignParts() = default;

    // Adds window, background, theme, toplabel, menubox and commentbox under
    // the document element.
    virtual void WriteDesign(TXNode &root) = 0;
    // Adds one button element per stand-alone picture button.
    virtual void WriteButtons(TXNode &root) = 0;
    // Reads the design elements of root; throws BrenwickError on bad content.
    virtual Apply ReadDesign(TXNode &root) = 0;
    // Reads the button elements of root; throws BrenwickError on bad content.
    // Applying replaces the existing stand-alone buttons.
    virtual Apply ReadButtons(TXNode &root) = 0;
    // Deletes every stand-alone picture button without a question.
    virtual void ClearButtons() = 0;
    // Before the writers run: gives the pictures of the chosen parts their
    // texts at once (in parallel); throws as the writers would.
    virtual void EncodePictures(bool design, bool buttons) { (void)design, (void)buttons; }
    // The pictures of design and buttons that know the bitmap of their kept text.
    virtual TKnownPictures KnownPictures() const { return {}; }
    // When root holds no design element and no button (a command list written
    // by hand or by a script), adds those of a new project and returns true.
    virtual bool AddNewDesign([[maybe_unused]] TXNode &root) { return false; }
};

// Stands in until the design exists: writes and reads nothing.
class TNullDesignParts : public TDesignParts
{
public:
    void WriteDesign(TXNode &) override {}
    void WriteButtons(TXNode &) override {}
    Apply ReadDesign(TXNode &) override { return [] {}; }
    Apply ReadButtons(TXNode &) override { return [] {}; }
    void ClearButtons() override {}
};
