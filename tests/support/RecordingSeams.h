#pragma once
// Stands in for message boxes and the desktop: records what the program would show or
// open, and returns at once.
#include <functional>

#include <QList>
#include <QUrl>

#include "widgets/Seams.h"

class RecordingSeams final : public Seams
{
public:
    void ShowMessage(QWidget *, const MessageRequest &request) override
    {
        messages.append(request);
        if (onMessage)
            onMessage(request);
    }
    bool OpenUrl(const QUrl &url) override
    {
        urls.append(url);
        return openSucceeds;
    }

    QList<MessageRequest> messages;
    QList<QUrl> urls;
    bool openSucceeds = true;
    // Runs while a box would be open, to see the window as the user sees it then.
    std::function<void(const MessageRequest &)> onMessage;
};
