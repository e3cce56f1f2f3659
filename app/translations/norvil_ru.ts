<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Вы&amp;резать</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Выделить &amp;всё</translation>
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
        <translation>Возможно, нет подключения к Интернету или сервер недоступен.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Не удалось распознать номер версии</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Не удалось распознать номер версии.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Сведения о версии не найдены</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Сведения о версии не найдены.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Проверка наличия обновлений…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Опубликована новая версия.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Открыть страницу загрузки?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Открыть страницу</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Не сейчас</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Отладочная информация ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Опубликована новая версия «%1».</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Новых версий нет.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Вы используете самую новую версию.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Не удалось получить сведения о версии.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Указанный URL-адрес не найден.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Не удалось открыть браузер.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 — Проверка обновлений</translation>
    </message>
</context>
</TS>
