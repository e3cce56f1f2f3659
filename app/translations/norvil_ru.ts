<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ja">
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Нет подключения к Интернету, или сервер недоступен.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Не удалось прочитать номер версии</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Не удалось прочитать номер версии.</translation>
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
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Доступна новая версия.</translation>
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
        <translation>--- Отладка ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Опубликована новая версия: %1.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Более новой версии нет.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>У вас самая новая версия.</translation>
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
        <translation>Указанный URL не найден.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Не удалось открыть браузер.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 - Проверка обновлений</translation>
    </message>
</context>
</TS>
