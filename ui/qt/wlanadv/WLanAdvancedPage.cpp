#include "ui/qt/wlanadv/WLanAdvancedPage.h"

#include "app/StringTable.h"
#include "devport/CCupsSpoolerHold.h"
#include "devport/UdevDeviceRecords.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvSettingView.h"

WLanAdvancedPage::Parts WLanAdvancedPage::ProcessParts() {
    return {DevicePorts::Process(), &CCupsSpoolerHold::Process(), &UdevDeviceRecords::Process()};
}

WLanAdvancedPage::WLanAdvancedPage(IMainWindowMessages& mainWindow, QWidget* parent, Parts parts)
    : m_messages(parent), m_waiting(m_cursor, parent), m_files(parent),
      m_connection(*parts.records, parts.ports, parent), m_dialogs(parent) {
    m_timer = std::make_unique<QtPageTimer>([this](int id) { m_page->OnTimer(id); });
    CVRXPageWLanAdvSetting::Services services;
    services.ports = parts.ports;
    services.spooler = parts.spooler;
    m_editor = std::make_unique<WLanAdvGroupEditor>(
        m_state, m_messages, [this](int id) { return m_page ? m_page->Text(id) : LoadString(id); });
    m_editorAdapter = std::make_unique<GroupEditorAdapter>(*m_editor);
    m_page = std::make_unique<CVRXPageWLanAdvSetting>(m_state, services, m_loop, m_messages, m_cursor,
                                                      *m_timer, m_waiting, m_files, m_connection, mainWindow,
                                                      *m_editorAdapter);
    m_page->OnInitDialog();
    // Scans and certificate uploads use the port like the page's own exchanges: on the device worker, the
    // page busy meanwhile, never while another exchange runs.
    m_itemHost = std::make_unique<WLanAdvItemHost>(
        *m_editor, m_page->Exchange(), m_dialogs, m_messages, parts.spooler,
        [this](const std::function<void()>& work) { return m_page->RunExchange(work); });
    m_itemActions = std::make_unique<WLanAdvItemActions>(*m_itemHost);
    m_itemActions->Attach(m_editor->Grid1());
    m_itemActions->Attach(m_editor->Grid2());
    m_view = new CVRXPageWLanAdvSettingView(*m_page, parent);
    m_messages.SetParent(m_view);
}

WLanAdvancedPage::~WLanAdvancedPage() {
    delete m_view.data();
}
