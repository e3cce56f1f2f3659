<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Zaznacz wszystko</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Być może nie masz połączenia z Internetem lub serwer nie działa.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Nie udało się odczytać numeru wersji</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Nie udało się odczytać numeru wersji.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Nie znaleziono informacji o wersji</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Nie znaleziono informacji o wersji.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Sprawdzanie aktualizacji</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Sprawdzanie aktualizacji…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Opublikowano nowszą wersję.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Czy otworzyć stronę pobierania?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Otwórz stronę pobierania</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Nie teraz</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Informacje debugowania ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Opublikowano nowszą wersję „%1”.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Nie ma nowszej wersji.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Używasz najnowszej wersji.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Nie udało się uzyskać informacji o wersji.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Nie znaleziono określonego pliku.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Nie znaleziono określonego adresu URL.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Nie udało się otworzyć przeglądarki.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Sprawdzanie aktualizacji</translation>
    </message>
</context>
</TS>
