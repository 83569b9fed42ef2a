#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "ui/ICursor.h"
#include "ui/IMessageBox.h"
#include "ui/IPrinterSearch.h"

#include <QPointer>
#include <QWidget>

// A printer search as the printer list page runs it: the search dialog over the main window, modal until
// the search has ended, then its tables.
class QtPrinterSearch : public IPrinterSearch {
public:
    QtPrinterSearch(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor,
                    QWidget* parent = nullptr)
        : m_endpoint(endpoint), m_messages(messages), m_cursor(cursor), m_parent(parent) {}

    // The window the dialog is centred over.
    void SetParent(QWidget* parent) { m_parent = parent; }

    void Run(WLanInfoMap& wlan, EthernetInfoMap& ethernet) override;

private:
    INetworkEndpoint& m_endpoint;
    IMessageBox& m_messages;
    ICursor& m_cursor;
    QPointer<QWidget> m_parent;
};
