<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Отмяна</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Повторение</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Изрязване</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Копиране</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>По&amp;ставяне</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Из&amp;триване</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Избиране на &amp;всичко</translation>
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
        <translation>Може да няма връзка с интернет или сървърът да е недостъпен.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Неуспешно разпознаване на номера на версията</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Неуспешно разпознаване на номера на версията.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Информацията за версията не е намерена</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Информацията за версията не е намерена.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Проверка за актуализации</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Проверка за актуализации…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Публикувана е нова версия.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Да се отвори ли страницата за изтегляне?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Отвори страницата</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Не сега</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Информация за отстраняване на грешки ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Затвори</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Публикувана е нова версия „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Няма нова версия.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Използвате най-новата версия.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Неуспешно извличане на информацията за версията.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Указаният файл не е намерен.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Указаният URL адрес не е намерен.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Неуспешно отваряне на браузъра.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 — Проверка за актуализации</translation>
    </message>
</context>
</TS>
